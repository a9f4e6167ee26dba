#pragma once
// The real main window for widget and end-to-end tests: the program folder
// beside the test binaries, a settings file in a temporary folder, seeded
// draws.
#include "app/core/gamefamily.h"
#include "app/core/maincontroller.h"
#include "app/shell/applicationidentity.h"
#include "app/shell/form1.h"
#include "app/shell/webengineflags.h"
#include "app/web/webpane.h"
#include "content/programfiles.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "record/sqlpracticerecord.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <QTemporaryDir>
#include <QTest>
#include <functional>

struct TestWindow
{
    // settingsFolder: where the settings store lives; a fresh temporary
    // folder when empty (a "restart" passes the folder of the run before).
    explicit TestWindow(const QString &settingsFolder = {})
        : programFolder(quorvel::DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR))),
          files(programFolder),
          settings(settingsFolder.isEmpty() ? settingsDir.path() : settingsFolder), random(42),
          window(programFolder, files, settings, random)
    {
        window.controller().setPracticeRecord(&record);
    }

    QTemporaryDir settingsDir;
    QString programFolder;
    quorvel::DiskProgramFiles files;
    quorvel::IniSettingsStore settings;
    quorvel::SeededRandom random;
    quorvel::SqlPracticeRecord record{QStringLiteral(":memory:")};
    quorvel::Form1 window;
};

// A pane of the window as the engine's view, for the tests that script it.
inline quorvel::WebPane *webPane(quorvel::BrowserPane *pane)
{
    return static_cast<quorvel::WebPane *>(pane);
}

// Runs a script in a pane's page and waits for its result.
inline QVariant evaluate(quorvel::WebPane *pane, const QString &script)
{
    QVariant result;
    bool done = false;
    pane->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!done)
        qWarning("script did not answer: %s", qPrintable(script));
    return result;
}

// Clicks the element the script names, with the mouse, in the page: a click
// the page sees as the child's own.
inline void clickElement(quorvel::WebPane *pane, const QString &element)
{
    const QVariantList centre =
        evaluate(pane, QStringLiteral("(() => { const e = ") + element +
                           QStringLiteral("; e.scrollIntoView({block: 'center'}); "
                                          "const r = e.getBoundingClientRect(); "
                                          "return [r.x + r.width / 2, r.y + r.height / 2]; })()"))
            .toList();
    if (centre.size() != 2) {
        qWarning("no element to click: %s", qPrintable(element));
        return;
    }
    QTest::mouseClick(pane->focusProxy(), Qt::LeftButton, {},
                      QPoint(qRound(centre[0].toDouble()), qRound(centre[1].toDouble())));
}

// Answers the next modal dialog of this type once it is up. A timer looks
// for it, so the answer also comes while the dialog runs its own event loop.
template <typename Dialog> void whenDialogOpens(std::function<void(Dialog *)> answer)
{
    auto *poll = new QTimer;
    auto *waited = new QElapsedTimer;
    waited->start();
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, waited, answer] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog && waited->elapsed() < 60000)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (dialog)
            answer(dialog);
    });
    poll->start();
}

// Environment for running the web view offscreen in tests; call before the
// application object exists.
inline void prepareOffscreenWebEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    quorvel::prepareWebEngine();
}

#define QUORVEL_WEB_TEST_MAIN(TestObject)                                                          \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepareOffscreenWebEnvironment();                                                          \
        QApplication app(argc, argv);                                                              \
        quorvel::installChineseTranslations();                                                     \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
