// Windows reaches screen readers without a D-Bus session bus, so none is ever started.
#include "platform/system/SessionBus.h"

namespace platform {

void avoidStartingSessionBus()
{}

} // namespace platform
