#pragma once

#include <functional>

namespace platform {

// The system's default alert sound.
void Beep();

// Seam for tests: while a hook is set, Beep() calls it instead of sounding.
void setBeepHook(std::function<void()> hook);

} // namespace platform
