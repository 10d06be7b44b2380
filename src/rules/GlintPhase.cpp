#include "rules/GlintPhase.h"

GlintTick glintTick(int phase, float r)
{
    if (r < 0.1f && phase == 0)
        return {1, GlintTick::Show::Unchanged, 0}; // the first frame comes on the next tick
    if (phase >= 1 && phase <= 4)
        return {phase + 1, GlintTick::Show::Frame, phase - 1};
    if (phase > 4)
        return {0, GlintTick::Show::Nothing, 0}; // the title shows through again
    return {phase, GlintTick::Show::Unchanged, 0};
}
