// Windows draws frames without an X server: there is no way of sending them to choose.
#include "platform/system/FrameTransfer.h"

namespace platform {

void sendFramesInline()
{}

void keepFrameSettingToOurselves()
{}

} // namespace platform
