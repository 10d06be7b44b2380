#include "platform/system/Effects.h"

#include <QApplication>
#include <array>

namespace platform {

namespace {

std::array<std::function<void()>, 2> hooks; // set only by tests

void happen(Effect effect, void (*forReal)())
{
    if (const auto& hook = hooks[std::size_t(effect)])
        hook();
    else
        forReal();
}

} // namespace

void Beep()
{
    happen(Effect::Beep, [] { QApplication::beep(); });
}

void EndProgram()
{
    // Unlike quit(), exit() closes no windows on the way out.
    happen(Effect::EndProgram, [] { QCoreApplication::exit(0); });
}

void setEffectHook(Effect effect, std::function<void()> hook)
{
    hooks[std::size_t(effect)] = std::move(hook);
}

} // namespace platform
