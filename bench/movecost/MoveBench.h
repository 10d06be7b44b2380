#pragma once

#include "PaintCount.h"
#include "ui/Dravik.h"

#include <functional>
#include <string>

// The cost of the game's moments, measured in the game's own window (offscreen) through its
// real handlers: one move on the 10 x 10 board, the computer's choice at each strength on
// a full row, one tick of each timer, and the repaint each of them causes.
//
// Every moment is played twice unmeasured, the second time with the call stacks of its
// allocations kept, and then `reps` times measured. Under callgrind each measured run is collected
// on its own and dumped as "<moment>#<run>"; standard output carries, one line each:
//   sample <moment> <run> <allocations>
//   paints <moment> <run> <widgets repainted> <of which unchanged> [their names]
//   site <moment>|<caller> < <caller's caller> ...      (from the traced run)
class MoveBench
{
public:
    explicit MoveBench(int reps);

    void run();

private:
    using Step = std::function<void()>;

    void quietTimers();
    void newGame(int firstPlayer);
    void settle();

    void oneMove();
    void computerChoice(int strength);
    void glintTicks();
    void shakeTicks();
    void delayTick();
    void clockTick();

    // Plays a moment: `prepare` unmeasured, then `moment` measured, then the repaint it
    // causes measured on its own as "<name> repaint".
    void measure(const std::string& name, const Step& prepare, const Step& moment);
    void collect(const std::string& name, int run, const Step& step);

    int reps_;
    Dravik window_;
    PaintCount paints_;
};
