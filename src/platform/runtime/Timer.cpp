#include "platform/runtime/Timer.h"

namespace platform {

Timer::Timer(QObject* parent, const QString& name, int intervalMs, bool enabled) : QTimer(parent)
{
    setObjectName(name);
    setInterval(intervalMs);
    setTimerType(Qt::CoarseTimer);
    setEnabled(enabled);
}

void Timer::setEnabled(bool on)
{
    if (on && !isActive())
        start();
    else if (!on)
        stop();
}

} // namespace platform
