#include "platform/system/Effects.h"

#include <QApplication>

namespace platform {

namespace {

// Set only by tests.
std::function<void()> beepStandIn;
std::function<void()> endProgramStandIn;

} // namespace

void Beep()
{
    if (beepStandIn)
        beepStandIn();
    else
        QApplication::beep();
}

void EndProgram()
{
    if (endProgramStandIn)
        endProgramStandIn();
    else
        QCoreApplication::exit(0); // unlike quit(), exit() closes no windows on the way out
}

void replaceBeep(std::function<void()> standIn)
{
    beepStandIn = std::move(standIn);
}

void replaceEndProgram(std::function<void()> standIn)
{
    endProgramStandIn = std::move(standIn);
}

} // namespace platform
