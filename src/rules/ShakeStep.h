#pragma once

// At the strength "Satan" the main window trembles: every tick moves it by an offset drawn
// uniformly from -100 to +100 twips on each axis, with no pull back towards where it
// started. So that the walk cannot carry the window out of the player's reach, each step
// is held within the screen's available area.

// One step on one axis. `pixels` is the frame's edge now; `low` and `high` are the edge's
// allowed range in pixels (when the window is larger than the screen, `low` wins). The
// edge is read in twips and moved by r * 200 - 100 twips in single precision, r being the
// tick's draw (0 <= r < 1); the result comes back in whole pixels, rounded towards the old
// position, so no step exceeds 100 twips.
int shakeAxis(int pixels, float r, int low, int high);
