#pragma once
// Settings of the embedded browser engine that must be made before the
// application object exists.
#include <QByteArray>
#include <QCoreApplication>

namespace quorvel {

// Caps the page script heap: the pages are small, and without a cap the
// engine lets collected garbage pile up for hundreds of pages before it
// collects, so a window left open all day keeps growing. Flags the user set
// are kept.
inline void prepareWebEngine()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--js-flags"))
        flags += " --js-flags=--max-old-space-size=16";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

} // namespace quorvel
