// Windows' side of the start-up steps that Linux takes for its X server and its D-Bus
// session bus: Windows draws frames and reaches screen readers without either, so there is
// nothing to do.
#include "platform/system/FrameTransfer.h"
#include "platform/system/SessionBus.h"

namespace platform {

void sendFramesInline()
{}

void keepFrameSettingToOurselves()
{}

void avoidStartingSessionBus()
{}

} // namespace platform
