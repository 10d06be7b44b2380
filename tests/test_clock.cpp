// The turn clock: it counts down for the player to move and takes a point when it runs out.
#include "Boards.h"
#include "Seams.h"
#include "game/ProgramWide.h"
#include "ui/Dravik.h"

#include <QRadioButton>
#include <QTest>

class TestClock : public QObject
{
    Q_OBJECT

    static void startGame(Dravik& w, int first)
    {
        w.ob[0]->click();
        ScriptedRnd rnd;
        scriptSetUp(rnd, first, QList<int>(25, 8));
        w.m1vs1_Click();
    }

    static void tick(Dravik& w, int times)
    {
        for (int i = 0; i < times; ++i)
            w.TimerTime_Timer();
    }

private slots:
    void countsTwentyDownToOneThenTakesAPoint()
    {
        Dravik w;
        startGame(w, 0);
        BeepCounter beeps;
        tick(w, 1);
        QCOMPARE(w.lTime->caption(), QStringLiteral("20"));
        for (int shown = 19; shown >= 1; --shown) {
            tick(w, 1);
            QCOMPARE(w.lTime->caption(), QString::number(shown));
        }
        QCOMPARE(beeps.count, 0);
        tick(w, 1);
        QVERIFY(w.lTime->caption().isEmpty());
        QCOMPARE(beeps.count, 1);
        QCOMPARE(w.Ochki[0], -1);
        QCOMPARE(w.lPl[0]->caption(), QStringLiteral("-1"));
        QCOMPARE(w.Hod, 0); // the turn does not pass
        tick(w, 1);
        QCOMPARE(w.lTime->caption(), QStringLiteral("20"));
    }

    void scoresGoNegativeWithAMinusSign()
    {
        Dravik w;
        startGame(w, 1);
        BeepCounter beeps;
        tick(w, 21 * 3);
        QCOMPARE(beeps.count, 3);
        QCOMPARE(w.Ochki[1], -3);
        QCOMPARE(w.lPl[1]->caption(), QStringLiteral("-3"));
        QVERIFY(w.lPl[0]->caption().isEmpty());
    }

    void timeOutBeforeAnyMoveSuppressesThatPlayersCompensation()
    {
        Dravik w;
        startGame(w, 0);
        BeepCounter beeps;
        w.Hod = 1; // player 1 lets the clock run out while it is not even its turn to begin
        tick(w, 21);
        w.Hod = 0;
        QCOMPARE(w.lPl[1]->caption(), QStringLiteral("-1"));
        w.kK_Click(0); // player 0's first move: 8, but player 1's score has been shown
        QCOMPARE(w.Ochki, (std::array<std::int16_t, 2>{8, -1}));
        QCOMPARE(w.lPl[1]->caption(), QStringLiteral("-1"));
    }

    void moveAtOneSavesThePoint()
    {
        Dravik w;
        startGame(w, 0);
        BeepCounter beeps;
        tick(w, 20);
        QCOMPARE(w.lTime->caption(), QStringLiteral("1"));
        w.kK_Click(10);
        QVERIFY(w.lTime->caption().isEmpty());
        tick(w, 1);
        QCOMPARE(w.lTime->caption(), QStringLiteral("20"));
        QCOMPARE(beeps.count, 0);
        QCOMPARE(w.Ochki, (std::array<std::int16_t, 2>{8, 4}));
    }

    void clockRunsOnlyWhileAGameRuns()
    {
        Dravik w;
        QVERIFY(!w.TimerTime->enabled());
        startGame(w, 0);
        QVERIFY(w.TimerTime->enabled());
        w.ob[1]->click();
        QVERIFY(!w.TimerTime->enabled());
    }
};

QTEST_MAIN(TestClock)
#include "test_clock.moc"
