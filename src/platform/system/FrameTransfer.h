#pragma once

namespace platform {

// How finished frames reach an X server. By default the toolkit hands them over in shared
// memory, and the server answers every such frame with a completion event that wakes the
// program twice: the toolkit's event thread, then the main thread. The glints put a small
// frame on the screen a few times a second for as long as the window is open, so the game
// sends its frames inside the request instead, and an idle window then wakes only for its
// timers. A user's own setting of the toolkit's switch is left as it is.
//
// sendFramesInline() must run before the application object connects to the display;
// keepFrameSettingToOurselves() after, so that programs the game starts do not inherit it.
void sendFramesInline();
void keepFrameSettingToOurselves();

} // namespace platform
