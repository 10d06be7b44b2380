#pragma once

#include <QString>
#include <functional>

// Finding and starting another program.
namespace platform {

// Whether a normal file, neither a folder nor hidden, exists at `path`.
bool FileExists(const QString& path);

// Starts the program at `path` in a normal window that takes the focus, without waiting
// for it; false when it could not be started.
bool StartProgram(const QString& path);

// For tests: while a stand-in is set it answers in the call's place, and the system is not
// asked; an empty one brings the real call back.
void replaceFileExists(std::function<bool(const QString& path)> standIn);
void replaceStartProgram(std::function<bool(const QString& path)> standIn);

} // namespace platform
