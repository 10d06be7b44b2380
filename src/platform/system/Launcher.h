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

// Seam for tests: a member that is set replaces the system's way of doing that job.
struct Launcher
{
    std::function<bool(const QString& path)> fileExists;
    std::function<bool(const QString& path)> startProgram;
};
void setLauncher(Launcher launcher);

} // namespace platform
