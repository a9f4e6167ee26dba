#pragma once
// Settings of the embedded browser engine that must be made before the
// application object exists.
#include <QByteArray>
#include <QCoreApplication>

namespace quorvel {

// Caps the page script heap: the pages are small, and without a cap the
// engine lets collected garbage pile up for hundreds of pages before it
// collects, so a window left open all day keeps growing. Both panes show
// local pages of one site, so they share one renderer process rather than
// each starting its own. Flags the user set are kept.
inline void prepareWebEngine()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--js-flags"))
        flags += " --js-flags=--max-old-space-size=16";
    if (!flags.contains("--process-per-") && !flags.contains("--single-process"))
        flags += " --process-per-site";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

} // namespace quorvel
