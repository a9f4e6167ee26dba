#pragma once
// An embedded HTML view of the main window. Pages talk to the program over a
// web channel (PaneBridge); the pane refuses every navigation outside the
// program folder and never opens windows.
#include "app/web/browserpane.h"

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

class QWebEngineProfile;

namespace quorvel {

class PaneBridge;

// Allows only qrc: pages and file: pages inside the program folder.
class GuardedPage : public QWebEnginePage
{
    Q_OBJECT
public:
    GuardedPage(QWebEngineProfile *profile, QString programFolder, QObject *parent = nullptr);
    static bool isAllowed(const QUrl &url, const QString &programFolder);

Q_SIGNALS:
    void navigationRefused(const QUrl &url);
    // A page script's error, as the console reports it.
    void scriptError(const QString &message, int line, const QString &source);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    QString m_programFolder;
};

// Every request a page makes (images, style sheets, scripts, fetches, web
// sockets) goes only to qrc: and to files inside the program folder, as
// navigation does: a page can neither read the user's files nor send
// anything out.
class ProgramFolderRequestGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    ProgramFolderRequestGuard(QString programFolder, QObject *parent = nullptr);
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QString m_programFolder;
};

class WebPane : public QWebEngineView, public BrowserPane
{
    Q_OBJECT
public:
    // Both panes share one off-the-record profile that injects the page script.
    WebPane(QWebEngineProfile *profile, const QString &programFolder, QWidget *parent = nullptr);

    // The profile the panes share, made once per run; its requests stay
    // inside the program folder.
    static QWebEngineProfile *sharedProfile(const QString &programFolder, QObject *owner);

    void navigate(const QString &absolutePath) override;
    void apply(const DomEdits &edits) override;

    QWidget *widget() override { return this; }
    void onPageEvent(QObject *context, PageEventHandler handler) override;
    void whenApplied(QObject *context, std::function<void()> done) override;
    void whenReady(QObject *context, std::function<void()> done) override;
    void printPage(QPrinter *printer, QObject *context, std::function<void(bool)> done) override;

    PaneBridge *bridge() const { return m_bridge; }

private:
    PaneBridge *m_bridge;
};

} // namespace quorvel
