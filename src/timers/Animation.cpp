#include "game/ProgramWide.h"
#include "platform/runtime/Image.h"
#include "rules/GlintPhase.h"
#include "rules/ShakeStep.h"
#include "rules/Strength.h"
#include "rules/standins/Random.h"
#include "ui/Dravik.h"

#include <QScreen>

namespace {

void showGlint(platform::Image* image, const platform::PictureClip& strip, const GlintTick& tick)
{
    switch (tick.show) {
    case GlintTick::Show::Frame:
        image->setPicture(&strip.GraphicCell(tick.frame));
        break;
    case GlintTick::Show::Nothing:
        image->setPicture(nullptr);
        break;
    case GlintTick::Show::Unchanged:
        break;
    }
}

} // namespace

// Two glints play over the title picture, each at its own random moments.
void Dravik::TimerBliki_Timer()
{
    const GlintTick first = glintTick(Kadr1, rules::Rnd());
    Kadr1 = first.phase;
    showGlint(Image1, PictureClip1, first);
    const GlintTick second = glintTick(Kadr2, rules::Rnd());
    Kadr2 = std::int16_t(second.phase);
    showGlint(Image2, PictureClip2, second);
}

// "Satan" shakes the window while the person may click; it rests while the computer's
// move is pending (its cells, cell 0 among them, are closed then) and goes on after the
// game has ended until another mode or strength is chosen.
void Dravik::TimerDvizen_Timer()
{
    if (!strengthRules(Uroven).shakesWindow || computerChoosing())
        return;
    const QScreen* display = screen();
    if (!display) // every display is gone: there is nowhere to shake to
        return;
    const QRect area = display->availableGeometry();
    const QRect frame = frameGeometry();
    const int top =
        shakeAxis(frame.top(), rules::Rnd(), area.top(), area.bottom() + 1 - frame.height());
    const int left =
        shakeAxis(frame.left(), rules::Rnd(), area.left(), area.right() + 1 - frame.width());
    move(left, top);
}
