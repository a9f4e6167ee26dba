// Starts the program: finds the program folder, opens the settings store and
// shows the main window.
#include "app/core/maincontroller.h"
#include "app/shell/form1.h"
#include "app/shell/webengineflags.h"
#include "content/programfiles.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    quorvel::prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"quorvel"_s);
    QApplication::setOrganizationName(u"quorvel"_s);
    QApplication::setApplicationDisplayName(u"QuorvelV37.0"_s);
    QApplication::setDesktopFileName(u"quorvel"_s);

    const QString programFolder = quorvel::DiskProgramFiles::locate(app.applicationDirPath());
    quorvel::DiskProgramFiles files(programFolder);
    quorvel::IniSettingsStore settings(quorvel::IniSettingsStore::defaultFolder());
    quorvel::SeededRandom random(quorvel::SeededRandom::freshSeed());

    quorvel::Form1 window(programFolder, files, settings, random);
    // The login dialog comes first; the window shows once it has closed.
    window.controller().loginHook = [&window] { window.openLoginDialog(); };
    window.controller().start();
    window.show();
    return app.exec();
}
