#include "MoveBench.h"

#include "AllocCount.h"
#include "game/ProgramWide.h"
#include "platform/runtime/Image.h"
#include "rules/ComputerChoice.h"
#include "rules/standins/Random.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <valgrind/callgrind.h>

namespace {

// Keeps the game's clock and delays from firing while the harness pauses between steps:
// the harness calls the tick handlers itself when it measures them.
constexpr int Never = 3600 * 1000;

// The draws of one game: the first decides who begins, the rest give the board varied values
// (and the "Easy" computer its draws). The same every time, so every run plays the same game.
std::function<float()> scriptedDraws(int firstPlayer)
{
    return [first = true, firstPlayer, x = 12345u]() mutable {
        if (first) {
            first = false;
            return firstPlayer == 0 ? 0.25f : 0.75f;
        }
        x = x * 1103515245u + 12345u;
        return float((x >> 8) & 0xFFFF) / 65536.0f;
    };
}

const char* const strengthNames[] = {"Easy", "Hard", "God", "Satan"};

} // namespace

MoveBench::MoveBench(int reps) : reps_(reps), paints_(&window_)
{
    quietTimers();
    window_.show();
    if (!QTest::qWaitForWindowExposed(&window_))
        std::fprintf(stderr, "the window was never exposed\n");
    window_.ob[2]->setChecked(true); // the 10 x 10 board, through the option's own handler
    settle();
}

void MoveBench::quietTimers()
{
    window_.TimerBliki->setEnabled(false);
    window_.TimerDvizen->setEnabled(false);
    window_.TimerTime->setInterval(Never);
    window_.TimerCompHod->setInterval(Never);
}

void MoveBench::newGame(int firstPlayer)
{
    rules::replaceRnd(scriptedDraws(firstPlayer));
    window_.m1vs1_Click();
    settle();
}

void MoveBench::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void MoveBench::run()
{
    oneMove();
    for (int strength = 0; strength < 4; ++strength)
        computerChoice(strength);
    glintTicks();
    shakeTicks();
    delayTick();
    clockTick();
}

// The second move of a game between two people: player 0 has taken cell 50, so row 5 is
// open to player 1, who takes cell 57 and opens column 7.
void MoveBench::oneMove()
{
    measure(
        "move",
        [this] {
            newGame(0);
            window_.kK_Click(50);
            settle();
        },
        [this] { window_.kK_Click(57); });
}

// The computer begins a game, so the row open to it, row 0, is full. The board is the one
// the set-up drew; the computer's copy of it is filled as its own game set-up would.
void MoveBench::computerChoice(int strength)
{
    const auto prepare = [this, strength] {
        window_.TimerCompHod->setEnabled(false);
        window_.PokaziKletki(1);
        newGame(1);
        Uroven = strength;
        window_.Pole.redim(10);
        for (int r = 0; r < 10; ++r) {
            for (int c = 0; c < 10; ++c)
                window_.Pole(r, c) =
                    std::int16_t(window_.kK[std::size_t(10 * r + c)]->caption().toInt());
        }
        window_.Maks = 0;
        window_.Ocenka = {};
    };
    const std::string name = strengthNames[strength];
    measure("ComputerHod " + name, prepare, [this] { window_.ComputerHod(); });
    measure("choice only " + name, prepare, [this] {
        const ComputerEvaluation e =
            chooseComputerColumn({window_.Pole, window_.Liniya, window_.Razmer, window_.Ochki},
                                 Uroven, {window_.Maks, window_.Ocenka}, rules::Rnd);
        window_.Ocenka = e.Ocenka;
    });
    window_.TimerCompHod->setEnabled(false);
    window_.PokaziKletki(1);
}

// A tick in the middle of both glints (each image changes frame), and an idle tick.
void MoveBench::glintTicks()
{
    measure(
        "TimerBliki glints",
        [this] {
            rules::replaceRnd([] { return 0.5f; });
            window_.Kadr1 = 1;
            window_.Kadr2 = 1;
            window_.TimerBliki_Timer(); // both images show their first frame
            settle();
        },
        [this] { window_.TimerBliki_Timer(); });
    measure(
        "TimerBliki idle",
        [this] {
            window_.Kadr1 = 0;
            window_.Kadr2 = 0;
            window_.Image1->setPicture(nullptr);
            window_.Image2->setPicture(nullptr);
            settle();
        },
        [this] { window_.TimerBliki_Timer(); });
}

// The window at rest (no "Satan" game), and a "Satan" game where it shakes.
void MoveBench::shakeTicks()
{
    measure(
        "TimerDvizen still", [this] { newGame(0); }, [this] { window_.TimerDvizen_Timer(); });
    measure(
        "TimerDvizen Satan",
        [this] {
            newGame(0);
            Uroven = 3;
        },
        [this] { window_.TimerDvizen_Timer(); });
    Uroven = -1;
}

// A tick of the computer's delay that only counts.
void MoveBench::delayTick()
{
    measure(
        "TimerCompHod", [this] { window_.Takt = 0; }, [this] { window_.TimerCompHod_Timer(); });
}

// The turn clock counting down from 15 to 14.
void MoveBench::clockTick()
{
    measure(
        "TimerTime",
        [this] {
            newGame(0);
            window_.lTime->setCaption(QStringLiteral("15"));
            settle();
        },
        [this] { window_.TimerTime_Timer(); });
}

void MoveBench::measure(const std::string& name, const Step& prepare, const Step& moment)
{
    const auto repaint = [] { QCoreApplication::sendPostedEvents(); };
    for (int run = -2; run < reps_; ++run) {
        prepare();
        paints_.start();
        collect(name, run, moment);
        collect(name + " repaint", run, repaint);
        paints_.stop();
        if (run < 0)
            continue;
        const QStringList same = paints_.unchanged();
        std::printf("paints %s %d %d %d %s\n", name.c_str(), run, paints_.repainted(),
                    int(same.size()), qPrintable(same.join(QLatin1Char(','))));
    }
}

// Run -2 warms up whatever a first call sets up once; run -1 keeps the call stacks of its
// allocations; the measured runs follow.
void MoveBench::collect(const std::string& name, int run, const Step& step)
{
    if (run == -2) {
        step();
        return;
    }
    if (run == -1) {
        alloccount::start(true);
        step();
        alloccount::stop();
        for (const auto& callers : alloccount::where()) {
            std::string chain;
            for (std::size_t i = 0; i < callers.size() && i < 4; ++i)
                chain += (i ? " < " : "") + callers[i];
            std::printf("site %s|%s\n", name.c_str(), chain.c_str());
        }
        return;
    }
    const std::string dump = name + "#" + std::to_string(run);
    alloccount::start();
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    step();
    CALLGRIND_TOGGLE_COLLECT;
    const long long allocations = alloccount::stop();
    CALLGRIND_DUMP_STATS_AT(dump.c_str());
    std::printf("sample %s %d %lld\n", name.c_str(), run, allocations);
}
