#include "app/web/webpane.h"

#include "app/web/panebridge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

GuardedPage::GuardedPage(QWebEngineProfile *profile, QString programFolder, QObject *parent)
    : QWebEnginePage(profile, parent), m_programFolder(std::move(programFolder))
{
    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
}

bool GuardedPage::isAllowed(const QUrl &url, const QString &programFolder)
{
    if (url.scheme() == "qrc"_L1)
        return true;
    if (url.scheme() == "about"_L1 && url.path() == "blank"_L1)
        return true;
    if (!url.isLocalFile() || !url.host().isEmpty())
        return false;
    // Resolve "..", links and the like before comparing folders.
    const QFileInfo target(url.toLocalFile());
    QString path =
        target.exists() ? target.canonicalFilePath() : QDir::cleanPath(target.absoluteFilePath());
    const QString root = QFileInfo(programFolder).canonicalFilePath();
    if (root.isEmpty())
        return false;
    return path == root || path.startsWith(root + u'/');
}

bool GuardedPage::acceptNavigationRequest(const QUrl &url, NavigationType, bool)
{
    if (isAllowed(url, m_programFolder))
        return true;
    Q_EMIT navigationRefused(url);
    return false;
}

void GuardedPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString &message, int line, const QString &source)
{
    if (level == ErrorMessageLevel)
        Q_EMIT scriptError(message, line, source);
}

QWebEnginePage *GuardedPage::createWindow(WebWindowType)
{
    return nullptr;
}

ProgramFolderRequestGuard::ProgramFolderRequestGuard(QString programFolder, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), m_programFolder(std::move(programFolder))
{
}

void ProgramFolderRequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!GuardedPage::isAllowed(info.requestUrl(), m_programFolder))
        info.block(true);
}

QWebEngineProfile *WebPane::sharedProfile(const QString &programFolder, QObject *owner)
{
    // No storage name: off the record, nothing kept on disk.
    auto *profile = new QWebEngineProfile(owner);
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setUrlRequestInterceptor(new ProgramFolderRequestGuard(programFolder, profile));

    QWebEngineScript script;
    script.setName(u"quorvel-page-bridge"_s);
    script.setSourceCode(resourceText(u":/qtwebchannel/qwebchannel.js"_s) + u'\n' +
                         resourceText(u":/quorvel/pagebridge.js"_s));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    profile->scripts()->insert(script);
    return profile;
}

WebPane::WebPane(QWebEngineProfile *profile, const QString &programFolder, QWidget *parent)
    : QWebEngineView(parent), m_bridge(new PaneBridge(this))
{
    auto *page = new GuardedPage(profile, programFolder, this);
    // The channel is registered before any page loads.
    auto *channel = new QWebChannel(page);
    channel->registerObject(u"pageBridge"_s, m_bridge);
    page->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    setPage(page);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    connect(m_bridge, &PaneBridge::focusRequested, this, [this] {
        if (isVisible())
            setFocus(Qt::OtherFocusReason);
    });
}

void WebPane::navigate(const QString &absolutePath)
{
    // Edits made from now on belong to the document being loaded.
    m_bridge->documentGone();
    load(QUrl::fromLocalFile(absolutePath));
}

void WebPane::apply(const DomEdits &edits)
{
    m_bridge->send(edits);
}

void WebPane::onPageEvent(QObject *context, PageEventHandler handler)
{
    connect(m_bridge, &PaneBridge::pageEvent, context,
            [handler = std::move(handler)](const QString &kind, const QString &targetName,
                                           const QString &, const QJsonArray &snapshot) {
                handler(kind, targetName, snapshot);
            });
}

void WebPane::whenApplied(QObject *context, std::function<void()> done)
{
    connect(m_bridge, &PaneBridge::applied, context, std::move(done), Qt::SingleShotConnection);
}

void WebPane::whenReady(QObject *context, std::function<void()> done)
{
    connect(m_bridge, &PaneBridge::ready, context, std::move(done), Qt::SingleShotConnection);
}

void WebPane::printPage(QPrinter *printer, QObject *context, std::function<void(bool)> done)
{
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        connect(
            page(), &QWebEnginePage::pdfPrintingFinished, context,
            [done = std::move(done)](const QString &, bool success) { done(success); },
            Qt::SingleShotConnection);
        page()->printToPdf(printer->outputFileName(), printer->pageLayout());
        return;
    }
    connect(this, &QWebEngineView::printFinished, context, std::move(done),
            Qt::SingleShotConnection);
    print(printer);
}

namespace {

// The module's pane maker: one profile for every pane of the window.
class WebPaneMaker : public BrowserPaneMaker
{
public:
    WebPaneMaker(const QString &programFolder, QObject *owner)
        : m_programFolder(programFolder), m_profile(WebPane::sharedProfile(programFolder, owner))
    {
    }
    BrowserPane *makePane(QWidget *parent) override
    {
        return new WebPane(m_profile, m_programFolder, parent);
    }

private:
    QString m_programFolder;
    QWebEngineProfile *m_profile;
};

} // namespace

} // namespace quorvel

extern "C" Q_DECL_EXPORT quorvel::BrowserPaneMaker *
quorvelMakeBrowserPanes(const QString &programFolder, QObject *owner)
{
    return new quorvel::WebPaneMaker(programFolder, owner);
}
