// Setting up a game in either mode, and the move that a click on a cell makes.
#include "Boards.h"
#include "RealModal.h"
#include "Seams.h"
#include "game/ProgramWide.h"
#include "rules/Scoring.h"
#include "ui/Dravik.h"
#include "ui/Vibor.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using platform::ButtonFace;
using platform::White;

namespace {

// A 5 x 5 board whose cell (r, c) holds 1 + (r + 2c) mod 9.
QList<int> patternBoard()
{
    QList<int> values;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            values.append(1 + (r + 2 * c) % 9);
    return values;
}

} // namespace

class TestPlay : public QObject
{
    Q_OBJECT

    // A two-person game on a 5 board with known values; player `first` to move.
    static void startTwoPersonGame(Dravik& w, int first, const QList<int>& values = patternBoard())
    {
        w.ob[0]->click();
        ScriptedRnd rnd;
        scriptSetUp(rnd, first, values);
        w.m1vs1_Click();
        QVERIFY(rnd.exhausted());
    }

private slots:
    void init() { Uroven = Variant<int>(); }

    void twoPersonSetUpFillsBoardAndOpensColumnZero()
    {
        Dravik w;
        startTwoPersonGame(w, 0);
        QCOMPARE(w.label[0]->caption(), QStringLiteral("Player1 score:"));
        QCOMPARE(w.label[1]->caption(), QStringLiteral("Player2 score:"));
        QCOMPARE(int(Uroven), -1);
        QCOMPARE(w.Hod, 0);
        QCOMPARE(w.Liniya, 0);
        QCOMPARE(w.lPl[0]->backColor(), White);
        QCOMPARE(w.lPl[1]->backColor(), ButtonFace);
        QCOMPARE(cellsColoured(w, White), (QList<int>{0, 10, 20, 30, 40}));
        QCOMPARE(w.kK[12]->caption(), QStringLiteral("6")); // 1 + (1 + 4) mod 9
        QVERIFY(w.TimerTime->enabled());
        // Pole is made for the board but stays empty between two people.
        QCOMPARE(w.Pole.size(), 5);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(w.Pole(r, c), 0);
    }

    void computerSetUpAsksForStrengthThenKeepsItsOwnCopyOfTheBoard()
    {
        Dravik w;
        w.TimerBliki->setEnabled(false); // their draws would take the scripted numbers
        w.TimerDvizen->setEnabled(false);
        w.ob[0]->click();
        ScriptedRnd rnd{0.5f}; // the remark
        scriptSetUp(rnd, 0, patternBoard());
        MsgBoxRecorder remark;
        QString titleWhileChoosing;
        whenModalAppears([&](QWidget* modal) {
            auto* dialog = qobject_cast<Vibor*>(modal);
            QVERIFY(dialog);
            titleWhileChoosing = w.label[1]->caption();
            dialog->obChoise[3]->click();
            dialog->kOK->click();
        });
        w.m1vsC_Click();
        QCOMPARE(titleWhileChoosing, QStringLiteral("My score:"));
        QCOMPARE(w.label[0]->caption(), QStringLiteral("Your score:"));
        QCOMPARE(w.label[1]->caption(), QStringLiteral("Satan's score:"));
        QCOMPARE(int(Uroven), 3);
        QVERIFY(rnd.exhausted());
        QCOMPARE(cellsColoured(w, White), (QList<int>{0, 10, 20, 30, 40}));
        QVERIFY(w.TimerTime->enabled());
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(QString::number(w.Pole(r, c)), w.kK[std::size_t(10 * r + c)]->caption());
        w.kK_Click(30);
        QCOMPARE(w.Pole(3, 0), 0); // the computer forgets a taken cell
    }

    void secondPlayerBeginningOpensRowZero()
    {
        Dravik w;
        startTwoPersonGame(w, 1);
        QCOMPARE(w.Hod, 1);
        QCOMPARE(w.lPl[1]->backColor(), White);
        QCOMPARE(cellsColoured(w, White), (QList<int>{0, 1, 2, 3, 4}));
    }

    void setUpTouchesOnlyTheBoardCells()
    {
        Dravik w;
        w.ob[0]->click();
        w.kK[5]->setCaption(QStringLiteral("x"));
        w.kK[50]->setCaption(QStringLiteral("y"));
        w.m1vs1_Click(); // the real generator
        QCOMPARE(w.kK[5]->caption(), QStringLiteral("x"));
        QCOMPARE(w.kK[50]->caption(), QStringLiteral("y"));
        QVERIFY(w.kK[5]->isHidden());
    }

    void boardValuesAreIndependentAndUniform()
    {
        // Every cell is drawn right after a re-seed from the clock; the values must still
        // spread over 1 to 9 rather than repeat one number.
        Dravik w;
        w.ob[2]->click();
        QList<int> counts(10, 0);
        for (int game = 0; game < 40; ++game) {
            w.m1vs1_Click();
            QSet<QString> distinct;
            for (int i = 0; i < 100; ++i) {
                const int v = w.kK[std::size_t(i)]->caption().toInt();
                QVERIFY2(v >= 1 && v <= 9, qPrintable(w.kK[std::size_t(i)]->caption()));
                ++counts[v];
                distinct.insert(w.kK[std::size_t(i)]->caption());
            }
            QVERIFY(distinct.size() >= 5);
        }
        for (int v = 1; v <= 9; ++v) // 4000 draws: about 444 each
            QVERIFY2(counts[v] > 330 && counts[v] < 560, qPrintable(QString::number(counts[v])));
    }

    void startWithoutBoardSizeIsRefused()
    {
        Dravik w;
        MsgBoxRecorder boxes;
        w.m1vs1_Click();
        w.m1vsC_Click();
        QCOMPARE(boxes.calls.size(), 2);
        QCOMPARE(boxes.calls[0].style, 64);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Blinzor"));
        QVERIFY(boxes.calls[0].prompt.contains(QStringLiteral("board size")));
        QVERIFY(!w.TimerTime->enabled());
        QVERIFY(Uroven.isEmpty());
        QVERIFY(w.label[0]->caption().isEmpty());
        for (auto* cell : w.kK)
            QVERIFY(cell->caption().isEmpty());
    }

    void restartKeepsMatchAndNewBlinzorClearsOnlyIt()
    {
        Dravik w;
        startTwoPersonGame(w, 0);
        w.LabelS[0]->setCaption(QStringLiteral("2"));
        w.LabelS[1]->setCaption(QStringLiteral("1"));
        w.kK_Click(20);
        startTwoPersonGame(w, 1);
        QCOMPARE(w.LabelS[0]->caption(), QStringLiteral("2"));
        QVERIFY(w.lPl[0]->caption().isEmpty()); // the old game's scores are gone
        w.kK_Click(3);
        const QString score = w.lPl[1]->caption();
        w.mNewGame_Click();
        QVERIFY(w.LabelS[0]->caption().isEmpty() && w.LabelS[1]->caption().isEmpty());
        QCOMPARE(w.lPl[1]->caption(), score);
        QVERIFY(w.TimerTime->enabled());
    }

    void clickIsRefusedOnButtonFaceCellOrWithClockOff()
    {
        Dravik w;
        startTwoPersonGame(w, 0);
        w.kK_Click(1); // not in the open column
        QVERIFY(!w.kK[1]->isHidden());
        QVERIFY(w.lPl[0]->caption().isEmpty());
        w.TimerTime->setEnabled(false);
        w.kK_Click(0); // white, but the clock is off
        QVERIFY(!w.kK[0]->isHidden());
        QCOMPARE(w.Hod, 0);
        QCOMPARE(w.Ochki, (std::array<std::int16_t, 2>{0, 0}));
    }

    void firstMoveCompensatesOpponentOnce()
    {
        QList<int> values(25, 1);
        values[2 * 5 + 0] = 7; // cell 20
        values[2 * 5 + 3] = 7; // cell 23
        Dravik w;
        startTwoPersonGame(w, 0, values);
        w.kK_Click(20);
        QCOMPARE(w.Ochki, (std::array<std::int16_t, 2>{7, 3}));
        QCOMPARE(w.lPl[0]->caption(), QStringLiteral("7"));
        QCOMPARE(w.lPl[1]->caption(), QStringLiteral("3"));
        w.kK_Click(23);
        QCOMPARE(w.Ochki, (std::array<std::int16_t, 2>{7, 10}));
    }

    void compensationIsHalfTheValueRoundedDown()
    {
        const int expected[] = {0, 1, 1, 2, 2, 3, 3, 4, 4};
        for (int v = 1; v <= 9; ++v)
            QCOMPARE(scoring::firstMoveCompensation(v), expected[v - 1]);
    }

    void satanCutsThePersonsGainsAboveTen()
    {
        const int cut[] = {1, 2, 2, 3, 4, 6, 5, 6, 6};
        for (int v = 1; v <= 9; ++v) {
            QCOMPARE(scoring::moverGain(v, 3, 0, 11), cut[v - 1]);
            QCOMPARE(scoring::moverGain(v, 3, 0, 10), v); // exactly 10 still gains in full
            QCOMPARE(scoring::moverGain(v, 3, 1, 30), v); // the computer always does
            QCOMPARE(scoring::moverGain(v, 1, 0, 30), v); // and "Hard" cuts nothing
            QCOMPARE(scoring::moverGain(v, 7, 0, 30), v); // nor a value that names no strength
        }
    }

    void satanCutAppliesInAMove()
    {
        QList<int> values(25, 2);
        values[0] = 9;
        Dravik w;
        startTwoPersonGame(w, 0, values);
        Uroven = 3;
        w.Ochki[0] = 11;
        w.lPl[1]->setCaption(QStringLiteral("0")); // not the first move
        w.kK_Click(0);
        QCOMPARE(w.Ochki[0], 17);
    }

    void scoresStopAtTheir16BitBounds()
    {
        QCOMPARE(scoring::addToScore(32760, 9), 32767);
        QCOMPARE(scoring::addToScore(-32768, -1), -32768);
        QCOMPARE(scoring::addToScore(-5, -1), -6);
    }

    void moveOpensTheLineThroughTheTakenCell()
    {
        Dravik w;
        startTwoPersonGame(w, 0);
        w.kK_Click(20); // player 0 takes row 2, column 0: row 2 opens for player 1
        QCOMPARE(w.Hod, 1);
        QCOMPARE(w.Liniya, 2);
        QCOMPARE(cellsColoured(w, White), (QList<int>{20, 21, 22, 23, 24})); // the taken cell too
        QVERIFY(w.kK[20]->isHidden());
        QCOMPARE(w.lPl[0]->backColor(), ButtonFace);
        QCOMPARE(w.lPl[1]->backColor(), White);
        w.kK_Click(23); // player 1 takes column 3: column 3 opens for player 0
        QCOMPARE(w.Hod, 0);
        QCOMPARE(w.Liniya, 3);
        QCOMPARE(cellsColoured(w, White), (QList<int>{3, 13, 23, 33, 43}));
        w.kK_Click(20); // taken: button face now, refused
        QCOMPARE(w.Hod, 0);
        // Two people: the computer's matrix is never written.
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(w.Pole(r, c), 0);
    }

    void tenBoardLinesFollowTheStrideOfTen()
    {
        Dravik w;
        w.ob[2]->click();
        w.m1vs1_Click();
        w.Hod = 1;
        for (auto* cell : w.kK)
            cell->setBackColor(White);
        w.kK_Click(47); // player 1 takes row 4, column 7: column 7 opens
        QCOMPARE(cellsColoured(w, White), (QList<int>{7, 17, 27, 37, 47, 57, 67, 77, 87, 97}));
        w.kK_Click(77); // player 0 takes row 7
        QCOMPARE(cellsColoured(w, White), (QList<int>{70, 71, 72, 73, 74, 75, 76, 77, 78, 79}));
    }

    void moveIntoAnEmptyLineEndsTheGameAtOnce()
    {
        Dravik w;
        startTwoPersonGame(w, 1);
        for (int c : {1, 2, 3, 4})
            w.kK[std::size_t(c)]->setVisible(false); // row 0 holds only cell 0 ...
        for (int r : {1, 2, 3, 4})
            w.kK[std::size_t(10 * r)]->setVisible(false); // ... and so does column 0
        MsgBoxRecorder boxes;
        boxes.onBox = [&](const MsgBoxCall&) {
            QVERIFY(!w.TimerTime->enabled());
            QCOMPARE(w.Hod, 0); // the new line and highlights are already in place
            QCOMPARE(w.lPl[1]->backColor(), platform::Red); // 1 against 0
        };
        w.kK_Click(0); // player 1 takes cell 0; column 0 is now empty
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Game Over"));
        QCOMPARE(boxes.calls[0].prompt, QStringLiteral("Player2 win!"));
        QVERIFY(!w.TimerTime->enabled());
    }
};

QTEST_MAIN(TestPlay)
#include "test_play.moc"
