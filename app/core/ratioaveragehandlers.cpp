#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"

namespace quorvel {

void registerRatioAndAveragePages(MainWindowController &)
{
}

} // namespace quorvel
