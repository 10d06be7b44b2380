// The computer's turn in the window: the board closes, the chosen cell turns red, four
// ticks later the cell click takes it and the board opens again; a new game or a new
// board abandons a pending move.
#include "Boards.h"
#include "RealModal.h"
#include "Seams.h"
#include "game/ProgramWide.h"
#include "ui/Dravik.h"

#include <QRadioButton>
#include <QTest>
#include <algorithm>

using platform::Red;
using platform::White;

namespace {

// Board of 5, row by row. Row 1 holds 9 in column 3 (the "Hard" choice once the person
// has taken cell 10); row 0 has its highest value, 5, in column 4.
const QList<int> Board5 = {1, 2, 3, 4, 5, //
                           6, 1, 1, 9, 1, //
                           2, 2, 2, 2, 2, //
                           3, 3, 3, 3, 3, //
                           4, 4, 4, 4, 4};

bool allCellsEnabled(const Dravik& w)
{
    return std::all_of(w.kK.begin(), w.kK.end(), [](auto* cell) { return cell->isEnabled(); });
}

void tick(Dravik& w, int times)
{
    for (int i = 0; i < times; ++i)
        w.TimerCompHod_Timer();
}

} // namespace

class TestComputerTurn : public QObject
{
    Q_OBJECT

    // "You vs Me" through the real strength dialog (answered with "OK" at the preselected
    // strength) with scripted draws: the remark, who begins, then the board values. The
    // delay is ticked by hand, and the decorative timers, which draw too, are stopped.
    static void startComputerGame(Dravik& w, int sizeIndex, int strength, int first,
                                  const QList<int>& values)
    {
        w.TimerBliki->setEnabled(false);
        w.TimerDvizen->setEnabled(false);
        w.ob[std::size_t(sizeIndex)]->setChecked(true);
        UrovenVibor = std::int16_t(strength);
        ScriptedRnd rnd{0.0f};
        scriptSetUp(rnd, first, values);
        whenModalAppears([](QWidget* modal) { clickButton(modal, QStringLiteral("OK")); });
        w.m1vsC_Click();
        QVERIFY(rnd.exhausted());
        QCOMPARE(int(Uroven), strength);
    }

    // Keeps the computer's delay from ticking on its own, so the test counts the ticks.
    static void holdTheDelay(Dravik& w) { w.TimerCompHod->blockSignals(true); }

private slots:
    void init() { Uroven = Variant<int>(); }

    // --- Staging ---

    void moveIsShownInRedThenPlayedOnTheFourthTick()
    {
        Dravik w;
        MsgBoxRecorder boxes;
        holdTheDelay(w);
        startComputerGame(w, 0, 1, 0, Board5);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        w.kK_Click(10); // the person takes the 6; the computer must answer in row 1
        QCOMPARE(w.Hod, 1);
        QCOMPARE(enabledBoardCells(w), 0);
        QCOMPARE(cellsColoured(w, Red), QList<int>{13});
        QCOMPARE(w.kK[11]->backColor(), White);
        QVERIFY(w.TimerCompHod->enabled());
        QCOMPARE(w.TimerCompHod->interval(), 300);
        QCOMPARE(w.Takt, 0);
        QCOMPARE(w.Ocenka[3], 3.0);

        QTest::mouseClick(w.kK[11], Qt::LeftButton); // closed to the person meanwhile
        QVERIFY(w.kK[11]->isVisible());

        for (int t = 1; t <= 3; ++t) {
            tick(w, 1);
            QCOMPARE(w.Takt, t);
            QVERIFY(w.TimerCompHod->enabled());
            QVERIFY(w.kK[13]->isVisible());
            QCOMPARE(enabledBoardCells(w), 0);
        }

        tick(w, 1);
        QVERIFY(!w.TimerCompHod->enabled());
        QVERIFY(!w.kK[13]->isVisible());
        QCOMPARE(w.Ochki[1], 3 + 9); // the first move's compensation, then the 9
        QCOMPARE(w.lPl[1]->caption(), QStringLiteral("12"));
        QCOMPARE(w.Hod, 0);
        QCOMPARE(w.Liniya, 3);
        QCOMPARE(w.Pole(1, 3), 0);
        QVERIFY(cellsColoured(w, Red).isEmpty());
        QCOMPARE(enabledBoardCells(w), 25);
        QVERIFY(w.TimerTime->enabled());

        QTest::mouseClick(w.kK[23], Qt::LeftButton); // the person's turn again
        QVERIFY(!w.kK[23]->isVisible());
        QCOMPARE(w.Hod, 1);
        QCOMPARE(cellsColoured(w, Red), QList<int>{20}); // the leftmost of row 2's equal values

        // Cell 20 is now the last of column 0: the computer's move ends the game. The board
        // opens only after the move, so "Game Over" shows over a closed board.
        for (int cell : {0, 30, 40})
            w.kK[std::size_t(cell)]->setVisible(false);
        boxes.onBox = [&](const MsgBoxCall& box) {
            QCOMPARE(box.title, QStringLiteral("Game Over"));
            QCOMPARE(enabledBoardCells(w), 0);
            QVERIFY(!w.TimerTime->enabled());
        };
        const qsizetype shown = boxes.calls.size();
        tick(w, 4);
        QCOMPARE(boxes.calls.size(), shown + 1);
        QCOMPARE(enabledBoardCells(w), 25);
    }

    void computerDrawingTheFirstMoveMovesFromTheSetUp()
    {
        Dravik w;
        MsgBoxRecorder boxes;
        holdTheDelay(w);
        startComputerGame(w, 0, 1, 1, Board5);
        QVERIFY(w.TimerTime->enabled());
        QCOMPARE(cellsColoured(w, Red), QList<int>{4});
        QCOMPARE(enabledBoardCells(w), 0);
        tick(w, 4);
        QVERIFY(!w.kK[4]->isVisible());
        QCOMPARE(w.Ochki[1], 5);
        QCOMPARE(w.Ochki[0], 2);
        QCOMPARE(w.Liniya, 4);
        QCOMPARE(enabledBoardCells(w), 25);
    }

    void gameEndedByThePersonStillRunsTheChoosingPhase()
    {
        Dravik w;
        MsgBoxRecorder boxes;
        holdTheDelay(w);
        startComputerGame(w, 0, 1, 0, Board5);
        // Row 1 is taken but for cell 10, and the kept column comes from an earlier board
        // of 10: the person's move leaves the computer nothing to take.
        for (int c = 1; c < 5; ++c) {
            w.kK[std::size_t(10 + c)]->setVisible(false);
            w.Pole(1, c) = 0;
        }
        w.Ocenka[3] = 9;

        // The game is over before the computer starts choosing: "Game Over" shows over an
        // open board, with no move pending.
        boxes.onBox = [&](const MsgBoxCall&) {
            QCOMPARE(enabledBoardCells(w), 25);
            QVERIFY(!w.TimerCompHod->enabled());
            QVERIFY(cellsColoured(w, Red).isEmpty());
        };
        w.kK_Click(10);
        QCOMPARE(boxes.calls.size(), 2); // the remark, then "Game Over"
        QCOMPARE(boxes.calls[1].title, QStringLiteral("Game Over"));
        QVERIFY(!w.TimerTime->enabled());
        QCOMPARE(enabledBoardCells(w), 0);
        QVERIFY(w.TimerCompHod->enabled());
        QCOMPARE(cellsColoured(w, Red), QList<int>{10}); // a cell of this board, not cell 19

        const auto scores = w.Ochki;
        tick(w, 4);
        QCOMPARE(w.Ochki, scores); // the click was refused: the game is over
        QCOMPARE(w.Hod, 1);
        QVERIFY(!w.TimerCompHod->enabled());
        QVERIFY(allCellsEnabled(w));
        QCOMPARE(boxes.calls.size(), 2);
    }

    // --- Cancellation ---

    void newGameCancelsThePendingMove_data()
    {
        QTest::addColumn<bool>("againstTheComputer");
        QTest::newRow("Humans vs Orcs") << false;
        QTest::newRow("You vs Me") << true;
    }
    void newGameCancelsThePendingMove()
    {
        QFETCH(bool, againstTheComputer);
        Dravik w;
        MsgBoxRecorder boxes;
        startComputerGame(w, 2, 1, 1, QList<int>(100, 5));
        QVERIFY(w.TimerCompHod->enabled());

        const QList<int> fresh(100, 7);
        if (againstTheComputer) {
            startComputerGame(w, 2, 2, 0, fresh);
        } else {
            ScriptedRnd rnd;
            scriptSetUp(rnd, 0, fresh);
            w.m1vs1_Click();
        }
        QVERIFY(!w.TimerCompHod->enabled());
        QVERIFY(allCellsEnabled(w));
        QVERIFY(cellsColoured(w, Red).isEmpty());
        QTest::qWait(1500); // longer than the delay: no stray move arrives
        QCOMPARE(w.Hod, 0);
        QCOMPARE(w.Ochki, (std::array<std::int16_t, 2>{0, 0}));
    }

    void smallerThenLargerBoardAfterACancelledMoveTakesEveryClick()
    {
        Dravik w;
        MsgBoxRecorder boxes;
        holdTheDelay(w);
        startComputerGame(w, 2, 1, 1, QList<int>(100, 5));
        QCOMPARE(enabledBoardCells(w), 0);

        w.ob[0]->click();
        QVERIFY(!w.TimerCompHod->enabled());
        QVERIFY(allCellsEnabled(w));
        w.ob[2]->click();
        QVERIFY(allCellsEnabled(w));

        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ScriptedRnd rnd;
        scriptSetUp(rnd, 0, QList<int>(100, 4));
        w.m1vs1_Click();
        QTest::mouseClick(w.kK[90], Qt::LeftButton); // outside the board of 5
        QVERIFY(!w.kK[90]->isVisible());
        QTest::mouseClick(w.kK[97], Qt::LeftButton);
        QVERIFY(!w.kK[97]->isVisible());
        QCOMPARE(w.Ochki, (std::array<std::int16_t, 2>{4, 2 + 4}));
    }
};

QTEST_MAIN(TestComputerTurn)
#include "test_computer_turn.moc"
