#pragma once

#include "DriverEvent.h"
#include "SeenState.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// A message box as the event driver answered it.
struct ShownBox
{
    QString prompt;
    int style = 0;
    QString title;
};

// What the driver saw during one event, besides the state after it.
struct StepOutcome
{
    QList<ShownBox> boxes;
    QString dialogShown;                // the class of the modal dialog the event opened
    std::array<int, 2> expectedOchki{}; // the scores that moves and time-outs account for
    int ticksMeanwhile = 0;             // ticks while a modal window was open
    int closeRequestsMeanwhile = 0;     // close requests while a modal window was open
    int programEnds = 0;
};

// How one step may change the two scores, worked out from the state before it.
struct ScoreChange
{
    bool reset = false; // a new game or a new board: both scores back to 0
    std::array<int, 2> delta{};
};

// The checks the event driver runs after every event. Each returns what is wrong, in words;
// an empty list means all is well.
namespace checks {

// The rules that hold in every state: a game's open line, the computer's board, the score
// displays, the match counters, the board's layout and the window's place on the screen.
QStringList invariantViolations(const SeenState& s);

// Whether a game came to its end during the event: the clock stopped, and not because a new
// board was chosen.
bool gameEnded(const DriverEvent& e, const SeenState& before, const SeenState& after);

// The cell that an event plays: a cell clicked that the game accepts, or the computer's red
// cell on the tick that ends its delay; -1 when the event plays none.
int cellPlayed(const DriverEvent& e, const SeenState& before);

ScoreChange scoreChange(const DriverEvent& e, const SeenState& before);

// The scores after `change`, held to the 16-bit range as the game holds them.
std::array<int, 2> applied(const std::array<int, 2>& scores, const ScoreChange& change);

// What an event may change and which boxes and dialogs it may show, comparing the state
// before it with the state after it.
QStringList stepViolations(const DriverEvent& e, const SeenState& before, const SeenState& after,
                           const StepOutcome& outcome);

} // namespace checks
