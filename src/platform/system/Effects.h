#pragma once

#include <functional>

// The two things the game does beyond its own windows, and the two a test must not let
// happen for real: sounding the alert and ending the program.
namespace platform {

// The system's default alert sound.
void Beep();

// Ends the program as soon as the running handler returns: no window is asked to close,
// so no close handling runs.
void EndProgram();

// For tests: while a stand-in is set it runs in the call's place, and nothing sounds or
// ends; an empty one brings the real call back.
void replaceBeep(std::function<void()> standIn);
void replaceEndProgram(std::function<void()> standIn);

} // namespace platform
