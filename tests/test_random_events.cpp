// Random events against a real main window, thousands per seed, with the game's rules
// checked after every one: clicks on any cell, the size options, every menu command, the
// strength and About dialogs answered every way, close requests answered No, and the ticks
// of all four timers, some ticks and close requests falling while a modal window is open.
// A failure prints its seed and its events as lines that replay it as a test like these.
#include "EventDriver.h"
#include "game/ProgramWide.h"
#include "rules/standins/MsgBoxStyle.h"
#include "ui/Dravik.h"

#include <QAction>
#include <QTest>

class TestRandomEvents : public QObject
{
    Q_OBJECT

private slots:
    // Every test starts from a freshly started program.
    void init()
    {
        Uroven = Variant<int>();
        UrovenVibor = 0;
    }

    // A dozen seeds of 2500 events. Between them they must play games to their end, or the
    // checks that follow a game's end would never run.
    void randomEventsKeepTheRules()
    {
        int gamesEnded = 0;
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            init();
            Dravik w;
            EventDriver d(w, seed);
            QVERIFY2(d.run(2500), qPrintable(d.failure()));
            gamesEnded += d.gamesEnded();
        }
        QVERIFY(gamesEnded >= 24);
    }

    void wholeGamesAgainstTheComputer_data()
    {
        QTest::addColumn<int>("strength");
        QTest::newRow("Easy") << 0;
        QTest::newRow("Hard") << 1;
        QTest::newRow("God") << 2;
        QTest::newRow("Satan") << 3;
    }

    // Five whole games at one strength: every one ends, and on the way one side wins its
    // third game, so a match is won and its counters are emptied.
    void wholeGamesAgainstTheComputer()
    {
        QFETCH(int, strength);
        Dravik w;
        EventDriver d(w, 100 + std::uint64_t(strength));
        for (int game = 0; game < 5; ++game)
            QVERIFY2(d.playComputerGame(strength), qPrintable(d.failure()));
        QCOMPARE(d.gamesEnded(), 5);
    }

    // The faults below were settled before the driver existed. Put back, each is found
    // again within the first seeds; these are the driver's replays of them.

    // A start command before any board size shows one box and changes nothing.
    void startingWithoutABoardChangesNothing()
    {
        Dravik w;
        EventDriver d(w, 3);
        d.fire(DriverEvent::humansVsOrcs().withMeanwhile({Meanwhile::TimeTick}));
        d.fire(DriverEvent::youVsMe(StrengthAnswer::PickAndOk, 2));
        QVERIFY2(!d.failed(), qPrintable(d.failure()));
    }

    // A new board or a new game cancels the computer's pending move: its delay stops and
    // every cell, those off a smaller board included, takes clicks again.
    void aNewBoardOrGameCancelsThePendingComputerMove()
    {
        Dravik w;
        EventDriver d(w, 1);
        d.fire(DriverEvent::sizeOption(2));
        d.fire(DriverEvent::youVsMe(StrengthAnswer::PickAndOk, 1)); // the computer begins
        QVERIFY(w.TimerCompHod->enabled());
        d.fire(DriverEvent::sizeOption(0));
        d.fire(DriverEvent::sizeOption(2));
        d.fire(DriverEvent::youVsMe(StrengthAnswer::Enter));
        QVERIFY(w.TimerCompHod->enabled());
        d.fire(DriverEvent::humansVsOrcs());
        d.fire(DriverEvent::cell(0));
        QVERIFY2(!d.failed(), qPrintable(d.failure()));
    }

    // The "Satan" shake keeps the window on the screen, even from a corner.
    void theShakeStaysOnTheScreen()
    {
        Dravik w;
        EventDriver d(w, 2);
        d.fire(DriverEvent::sizeOption(0));
        d.fire(DriverEvent::youVsMe(StrengthAnswer::PickAndOk, 3)); // the person begins
        QVERIFY(!w.TimerCompHod->enabled());
        for (int corner : {0, 2, 6, 8}) {
            d.fire(DriverEvent::moveWindow(corner));
            for (int tick = 0; tick < 40; ++tick)
                d.fire(DriverEvent::timerTick(Tick::Dvizen));
        }
        QVERIFY2(!d.failed(), qPrintable(d.failure()));
    }

    // A score held at the lowest 16-bit value stays there on a further time-out.
    void scoresStopAtTheSixteenBitBounds()
    {
        Dravik w;
        EventDriver d(w, 4);
        d.fire(DriverEvent::sizeOption(1));
        d.fire(DriverEvent::humansVsOrcs());
        w.Ochki[std::size_t(w.Hod)] = -32767; // no score shown yet, so nothing shows it
        for (int tick = 0; tick < 3 * 21; ++tick)
            d.fire(DriverEvent::timerTick(Tick::Time));
        QCOMPARE(w.Ochki[std::size_t(w.Hod)], std::int16_t(-32768));
        QVERIFY2(!d.failed(), qPrintable(d.failure()));
    }

    // The driver is only worth its runs if it notices a broken rule: here a cell turns white
    // behind the game's back, and the next event must fail with the seed and the events.
    void aBrokenRuleIsReportedWithItsSeedAndEvents()
    {
        Dravik w;
        EventDriver d(w, 7);
        d.reportToErrorOutput = false;
        QVERIFY(d.fire(DriverEvent::sizeOption(0)));
        QVERIFY(d.fire(DriverEvent::humansVsOrcs()));
        w.kK[44]->setBackColor(platform::White);
        QVERIFY(!d.fire(DriverEvent::timerTick(Tick::Bliki)));
        QVERIFY(!d.fire(DriverEvent::newBlinzor())); // nothing more is fired after a failure
        QVERIFY(d.failure().contains(QLatin1String("seed 7, event 3")));
        QVERIFY(d.failure().contains(QLatin1String("cell 44")));
        const QString report = d.failureReport();
        QVERIFY(report.contains(QLatin1String("EventDriver d(w, 7);\n"
                                              "d.fire(DriverEvent::sizeOption(0));\n"
                                              "d.fire(DriverEvent::humansVsOrcs());\n"
                                              "d.fire(DriverEvent::timerTick(Tick::Bliki));")));
    }

    // The one run that answers the ending question with Yes: in the middle of a game against
    // the computer, with its move pending, one question closes the window, and "Exit" ends
    // the program after one question.
    void leavingWithYesEndsAfterOneQuestion()
    {
        Dravik w;
        EventDriver d(w, 11);
        QVERIFY(d.fire(DriverEvent::sizeOption(1)));
        QVERIFY(d.fire(DriverEvent::youVsMe(StrengthAnswer::PickAndOk, 2)));
        for (int i = 0; i < 1000 && !w.TimerCompHod->enabled(); ++i)
            QVERIFY2(d.fire(d.randomEvent()), qPrintable(d.failure()));
        QVERIFY(w.TimerCompHod->enabled());
        d.endingAnswer = rules::vbYes;
        const int asked = d.endingQuestions;
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        QCOMPARE(d.endingQuestions, asked + 1);
        w.mExit->trigger();
        QCOMPARE(d.endingQuestions, asked + 2);
        QCOMPARE(d.programEnds, 1);
    }
};

QTEST_MAIN(TestRandomEvents)
#include "test_random_events.moc"
