#pragma once

#include <functional>

namespace platform {

// The two things the game does beyond its own windows, and the two a test must not let
// happen for real: sounding the alert and ending the program.
enum class Effect
{
    Beep,
    EndProgram
};

// The system's default alert sound.
void Beep();

// Ends the program as soon as the running handler returns: no window is asked to close,
// so no close handling runs.
void EndProgram();

// Seam for tests: while a hook is set for an effect, the hook runs in its place.
void setEffectHook(Effect effect, std::function<void()> hook);

} // namespace platform
