// Starts the program: finds the program folder, opens the settings store and
// shows the main window.
#include "app/core/maincontroller.h"
#include "app/shell/applicationidentity.h"
#include "app/shell/form1.h"
#include "app/shell/singleinstance.h"
#include "app/shell/webengineflags.h"
#include "content/programfiles.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include "record/sqlpracticerecord.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    quorvel::prepareWebEngine();
    QApplication app(argc, argv);
    quorvel::nameApplication();
    quorvel::installChineseTranslations();

    // One copy a user: a second start brings the running window forward.
    quorvel::SingleInstance instance(quorvel::SingleInstance::nameForCurrentUser());
    if (!instance.claim())
        return 0;

    const QString programFolder = quorvel::DiskProgramFiles::locate(app.applicationDirPath());
    quorvel::DiskProgramFiles files(programFolder);
    quorvel::IniSettingsStore settings(quorvel::IniSettingsStore::defaultFolder());
    quorvel::SeededRandom random(quorvel::SeededRandom::freshSeed());
    // The practice record stays on this computer, in the user's data folder.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    quorvel::SqlPracticeRecord record(dataFolder + u"/record.sqlite"_s);

    quorvel::Form1 window(programFolder, files, settings, random);
    // The login dialog comes first; the window shows once it has closed.
    window.controller().loginHook = [&window] { window.openLoginDialog(); };
    window.controller().setPracticeRecord(&record);
    window.controller().start();
    window.controller().tellMissingProgramFiles();
    window.show();
    if (!record.startupMessage().isEmpty())
        window.showMessage(record.startupMessage());
    QObject::connect(&instance, &quorvel::SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    return app.exec();
}
