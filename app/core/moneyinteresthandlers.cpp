#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"

namespace quorvel {

void registerMoneyAndInterestPages(MainWindowController &)
{
}

} // namespace quorvel
