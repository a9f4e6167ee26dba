#pragma once
// Loads the web engine module (libquorvel-web) the first time the window needs
// a pane. Until then the process holds neither the engine's libraries nor an
// OpenGL driver, which is what keeps the login dialog quick and small.
#include "app/web/browserpane.h"

#include <memory>

namespace quorvel {

// The pane maker of the module, with a profile owned by `owner`; null, with
// the reason in `error`, when the module cannot be loaded.
std::unique_ptr<BrowserPaneMaker> loadBrowserPanes(const QString &programFolder, QObject *owner,
                                                   QString *error);

} // namespace quorvel
