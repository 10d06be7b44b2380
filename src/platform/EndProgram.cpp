#include "platform/EndProgram.h"

#include <QCoreApplication>

namespace platform {

namespace {

std::function<void()> hook; // set only by tests

} // namespace

void EndProgram()
{
    if (hook)
        hook();
    else
        QCoreApplication::exit(0); // unlike quit(), this closes no windows on the way out
}

void setEndProgramHook(std::function<void()> h)
{
    hook = std::move(h);
}

} // namespace platform
