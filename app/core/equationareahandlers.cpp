#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"

namespace quorvel {

void registerEquationAndAreaPages(MainWindowController &) {}

} // namespace quorvel
