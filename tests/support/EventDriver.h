#pragma once

#include "DriverEvent.h"
#include "DriverRandom.h"
#include "GameChecks.h"

#include <QString>
#include <QTimer>
#include <cstdint>
#include <string>
#include <vector>

class Dravik;

// Fires events at a real main window and checks the game after every one of them. A seed
// decides the random events and every draw of the game's generator, so a run replays
// exactly. While alive the driver holds the program's seams: message boxes are answered
// (the ending question with No), the game draws from the seed, beeps are silent, nothing
// is started, and the window's four timers tick only when the driver ticks them.
//
// A failure report gives the seed and the events as C++ lines; pasted after
// `EventDriver d(w, seed);` they replay the run as a regular test.
class EventDriver
{
public:
    EventDriver(Dravik& window, std::uint64_t seed);
    ~EventDriver();
    EventDriver(const EventDriver&) = delete;
    EventDriver& operator=(const EventDriver&) = delete;

    // Fires `count` random events; false at the first one after which a rule is broken.
    bool run(long long count);
    // Fires one event and checks the game after it. Once a rule is broken, fires nothing
    // more and returns false.
    bool fire(const DriverEvent& e);
    // Plays one whole game against the computer at `strength` on a randomly sized board:
    // the person takes random cells of the open column, with clock ticks in between.
    bool playComputerGame(int strength);

    DriverEvent randomEvent();

    bool failed() const { return !failure_.isEmpty(); }
    // The seed, the event and what went wrong with it.
    const QString& failure() const { return failure_; }
    // The failure and the events that led there; written to the error output as it happens.
    QString failureReport() const;

    long long events() const { return events_; }
    int gamesEnded() const { return gamesEnded_; }

    // The answer to the ending question: No, except in the one test that leaves with Yes.
    int endingAnswer;
    int endingQuestions = 0;
    // Off only in the test of the report itself.
    bool reportToErrorOutput = true;
    int programEnds = 0;

private:
    void perform(const DriverEvent& e);
    void clickCell(int index);
    void moveWindow(int place);
    void tick(Tick t);
    void happenMeanwhile(Meanwhile m);
    void fireMeanwhile();
    int answerBox(const QString& prompt, int style, const QString& title);
    void answerModal();
    Tick randomRunningTimer();
    std::vector<Meanwhile> randomMeanwhile();
    int randomCellToClick();
    void noteFailure(const QStringList& violations);

    Dravik& w_;
    std::uint64_t seed_;
    DriverRandom pick_;  // the events
    DriverRandom draws_; // the game's own random numbers
    QTimer modalShot_;   // answers the dialog that the current event opens
    DriverEvent current_;
    StepOutcome* outcome_ = nullptr;
    std::vector<Meanwhile> meanwhile_;
    std::string log_; // the events so far, as replay lines
    QString failure_;
    bool dawdling_ = false;
    int moodLeft_ = 0;
    long long events_ = 0;
    int gamesEnded_ = 0;
};
