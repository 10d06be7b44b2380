#pragma once

#include <functional>

namespace platform {

// Ends the program as soon as the running handler returns: no window is asked to close,
// so no close handling runs.
void EndProgram();

// Seam for tests: while a hook is set, EndProgram() calls it instead of ending.
void setEndProgramHook(std::function<void()> hook);

} // namespace platform
