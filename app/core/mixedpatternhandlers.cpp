#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"

namespace quorvel {

void registerMixedOperationAndPatternPages(MainWindowController &)
{
}

} // namespace quorvel
