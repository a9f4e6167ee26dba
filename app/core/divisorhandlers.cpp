#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"

namespace quorvel {

void registerDivisorPages(MainWindowController &) {}

} // namespace quorvel
