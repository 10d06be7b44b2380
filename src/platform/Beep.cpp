#include "platform/Beep.h"

#include <QApplication>

namespace platform {

namespace {

std::function<void()> hook; // set only by tests

} // namespace

void Beep()
{
    if (hook)
        hook();
    else
        QApplication::beep();
}

void setBeepHook(std::function<void()> h)
{
    hook = std::move(h);
}

} // namespace platform
