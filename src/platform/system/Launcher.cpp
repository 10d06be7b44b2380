#include "platform/system/Launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

namespace {

// Set only by tests.
std::function<bool(const QString&)> fileExistsStandIn;
std::function<bool(const QString&)> startProgramStandIn;

} // namespace

bool FileExists(const QString& path)
{
    if (fileExistsStandIn)
        return fileExistsStandIn(path);
    const QFileInfo file(path);
    return file.isFile() && !file.isHidden();
}

bool StartProgram(const QString& path)
{
    if (startProgramStandIn)
        return startProgramStandIn(path);
    // The path names the program alone, spaces and all: it is never split into arguments.
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

void replaceFileExists(std::function<bool(const QString&)> standIn)
{
    fileExistsStandIn = std::move(standIn);
}

void replaceStartProgram(std::function<bool(const QString&)> standIn)
{
    startProgramStandIn = std::move(standIn);
}

} // namespace platform
