#include "app/shell/browsermodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>

using namespace Qt::StringLiterals;

QT_BEGIN_NAMESPACE
// Qt's own hooks for the context every OpenGL context shares, as the web
// engine uses them.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

namespace quorvel {

namespace {

QOpenGLContext *g_shareContext = nullptr;

void deleteShareContext()
{
    if (qt_gl_global_share_context() == g_shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete g_shareContext;
    g_shareContext = nullptr;
}

// The engine hands its frames to the window through textures of a context
// every context shares. Qt makes that context at start-up when asked to;
// made here instead, the OpenGL driver loads with the engine, not before the
// login dialog.
void shareOpenGLContexts()
{
    if (qt_gl_global_share_context())
        return;
    g_shareContext = new QOpenGLContext;
    g_shareContext->create();
    qt_gl_set_global_share_context(g_shareContext);
    qAddPostRoutine(deleteShareContext);
}

// Beside the program in a build, in the library folder once installed.
QStringList moduleCandidates()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.filePath(u"libquorvel-web.so"_s),
            QDir::cleanPath(programDir.filePath(QStringLiteral(QUORVEL_WEB_MODULE_DIR) +
                                                u"/libquorvel-web.so"_s))};
}

} // namespace

std::unique_ptr<BrowserPaneMaker> loadBrowserPanes(const QString &programFolder, QObject *owner,
                                                   QString *error)
{
    QStringList reasons;
    for (const QString &path : moduleCandidates()) {
        if (!QFileInfo::exists(path))
            continue;
        shareOpenGLContexts();
        QLibrary module(path); // stays loaded for the rest of the run
        const auto make =
            reinterpret_cast<MakeBrowserPanes>(module.resolve(makeBrowserPanesSymbol));
        if (make)
            return std::unique_ptr<BrowserPaneMaker>(make(programFolder, owner));
        reasons << module.errorString();
    }
    if (error)
        *error = reasons.isEmpty() ? u"找不到 libquorvel-web.so"_s : reasons.join(u'\n');
    return nullptr;
}

} // namespace quorvel
