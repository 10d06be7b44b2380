#include "platform/system/Launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

namespace {

Launcher& launcher()
{
    static Launcher theLauncher;
    return theLauncher;
}

} // namespace

bool FileExists(const QString& path)
{
    if (launcher().fileExists)
        return launcher().fileExists(path);
    const QFileInfo file(path);
    return file.isFile() && !file.isHidden();
}

bool StartProgram(const QString& path)
{
    if (launcher().startProgram)
        return launcher().startProgram(path);
    // The path names the program alone, spaces and all: it is never split into arguments.
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

void setLauncher(Launcher l)
{
    launcher() = std::move(l);
}

} // namespace platform
