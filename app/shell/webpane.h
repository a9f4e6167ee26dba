#pragma once
// An embedded HTML view of the main window. Pages talk to the program over a
// web channel (PaneBridge); the pane refuses every navigation outside the
// program folder and never opens windows.
#include "app/core/mainview.h"

#include <QWebEnginePage>
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

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    QString m_programFolder;
};

class WebPane : public QWebEngineView, public HtmlPane
{
    Q_OBJECT
public:
    // Both panes share one off-the-record profile that injects the page script.
    WebPane(QWebEngineProfile *profile, const QString &programFolder, QWidget *parent = nullptr);

    // The profile the panes share, made once per run.
    static QWebEngineProfile *sharedProfile(QObject *owner);

    void navigate(const QString &absolutePath) override;
    void apply(const DomEdits &edits) override;

    PaneBridge *bridge() const { return m_bridge; }

private:
    PaneBridge *m_bridge;
};

} // namespace quorvel
