#pragma once

// A glint over the title picture flares up and dies down in four frames. Its phase:
// 0 idle; 1 to 4 the next tick shows frame phase - 1; 5 the next tick takes the glint
// away. An idle image starts a glint on a tick with chance 0.1; a glint once started runs
// to its end whatever the draws.
struct GlintTick
{
    enum class Show
    {
        Unchanged,
        Frame,
        Nothing
    };

    int phase = 0;               // the phase after this tick
    Show show = Show::Unchanged; // what the image shows from this tick on
    int frame = 0;               // the frame of the strip, when show is Frame
};

// One tick of one image's glint at the given phase, with r the tick's draw (0 <= r < 1).
GlintTick glintTick(int phase, float r);
