// Whole games against the computer at each strength, through the real dialogs, message
// boxes and timers: the person clicks a cell of the open column, the computer answers in
// red a moment later, until the game is over.
#include "Boards.h"
#include "RealModal.h"
#include "game/ProgramWide.h"
#include "ui/Dravik.h"

#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

bool boardOpen(const Dravik& w)
{
    return enabledBoardCells(w) == w.Razmer * w.Razmer;
}

bool personToMove(const Dravik& w)
{
    return w.Hod == 0 && !w.TimerCompHod->enabled() && boardOpen(w);
}

// The first white cell still on the board in the open column.
platform::Label* firstOpenCell(const Dravik& w)
{
    for (int r = 0; r < w.Razmer; ++r) {
        platform::Label* cell = w.kK[std::size_t(Dravik::cellIndex(r, w.Liniya))];
        if (cell->isVisible() && cell->backColor() == platform::White)
            return cell;
    }
    return nullptr;
}

// How the strength dialog is answered: by clicking the option and "OK", or by Enter on the
// option it has preselected.
enum class Answer
{
    ClickOption,
    EnterOnPreselection
};

} // namespace

class TestComputerGame : public QObject
{
    Q_OBJECT

    static void openGame(Dravik& w, int strength, Answer answer)
    {
        if (answer == Answer::ClickOption) {
            UrovenVibor = std::int16_t((strength + 2) % 4); // the click must change it
            whenModalAppears([strength](QWidget* modal) {
                modal->findChild<QRadioButton*>(QStringLiteral("obChoise_%1").arg(strength))
                    ->click();
                clickButton(modal, QStringLiteral("OK"));
            });
        } else {
            UrovenVibor = std::int16_t(strength);
            whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        }
        w.m1vsC_Click();
        QCOMPARE(int(Uroven), strength);
        QVERIFY(w.TimerTime->enabled());
    }

    // Plays the person's moves until the game is over; every computer move must take the
    // cell it has shown in red.
    static void playToTheEnd(Dravik& w)
    {
        for (;;) {
            QTRY_VERIFY_WITH_TIMEOUT(!w.TimerTime->enabled() || personToMove(w), 5000);
            if (!w.TimerTime->enabled())
                return;
            platform::Label* cell = firstOpenCell(w);
            QVERIFY(cell);
            QTest::mouseClick(cell, Qt::LeftButton);
            QVERIFY(!cell->isVisible());
            if (!w.TimerTime->enabled())
                return; // the person's move ended the game
            const QList<int> red = cellsColoured(w, platform::Red);
            QCOMPARE(red.size(), 1);
            QVERIFY(!boardOpen(w));
            QTRY_VERIFY_WITH_TIMEOUT(!w.TimerCompHod->enabled(), 3000);
            QVERIFY(!w.kK[std::size_t(red[0])]->isVisible());
        }
    }

    // After the last move the computer's choosing phase, if any, runs out and the board
    // opens again; the game's message names the winner.
    static void checkTheEnd(Dravik& w, const BoxAnswerer& boxes)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!w.TimerCompHod->enabled() && boardOpen(w), 3000);
        const int winner = w.Ochki[0] > w.Ochki[1] ? 0 : 1;
        QCOMPARE(w.lPl[std::size_t(winner)]->backColor(), platform::Red);
        const qsizetype last = boxes.titles.lastIndexOf(QStringLiteral("Game Over"));
        QVERIFY(last >= 0);
        QCOMPARE(boxes.texts[last],
                 winner == 0 ? QStringLiteral("You  win!") : QStringLiteral("I win!"));
    }

private slots:
    void aGameAtEachStrengthPlaysToItsEnd()
    {
        Dravik w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        BoxAnswerer boxes;

        struct Game
        {
            int sizeIndex;
            int strength;
            Answer answer;
        };
        const Game games[] = {{0, 0, Answer::ClickOption},
                              {1, 1, Answer::EnterOnPreselection},
                              {0, 2, Answer::ClickOption},
                              {0, 3, Answer::EnterOnPreselection}};
        int gameOvers = 0;
        for (const Game& g : games) {
            w.ob[std::size_t(g.sizeIndex)]->click();
            const QPoint home = w.pos();
            openGame(w, g.strength, g.answer);
            QVERIFY(!QTest::currentTestFailed());
            playToTheEnd(w);
            QVERIFY(!QTest::currentTestFailed());
            checkTheEnd(w, boxes);
            QVERIFY(!QTest::currentTestFailed());
            QCOMPARE(boxes.titles.count(QStringLiteral("Game Over")), ++gameOvers);
            if (g.strength != 3)
                QCOMPARE(w.pos(), home); // only "Satan" shakes the window
        }
        QCOMPARE(boxes.titles.count(QStringLiteral("Game Over")), 4);

        // "Satan" shakes on after its game is over, until two people play.
        QPoint before = w.pos();
        QTRY_VERIFY_WITH_TIMEOUT(w.pos() != before, 3000);
        QVERIFY(w.screen()->availableGeometry().contains(w.frameGeometry()));
        w.m1vs1_Click();
        before = w.pos();
        QTest::qWait(500);
        QCOMPARE(w.pos(), before);
    }
};

QTEST_MAIN(TestComputerGame)
#include "test_computer_game.moc"
