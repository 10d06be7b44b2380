#include "platform/system/FrameTransfer.h"

#include <QByteArray>
#include <QtGlobal>

namespace platform {

namespace {

constexpr const char* NoSharedMemory = "QT_XCB_NO_MITSHM";
bool setByUs = false;

} // namespace

void sendFramesInline()
{
    if (qEnvironmentVariableIsSet(NoSharedMemory))
        return;
    setByUs = qputenv(NoSharedMemory, QByteArrayLiteral("1"));
}

void keepFrameSettingToOurselves()
{
    if (setByUs)
        qunsetenv(NoSharedMemory);
    setByUs = false;
}

} // namespace platform
