// The computer's choice of column at each strength, on boards built by hand.
#include "rules/ComputerChoice.h"
#include "rules/standins/Random.h"

#include <QTest>
#include <cmath>
#include <vector>

namespace {

using Scores = std::array<std::int16_t, 2>;

struct Cell
{
    int row;
    int column;
    int value;
};

// A board of side n holding the given cells; every other cell is taken (0).
BoardMatrix board(int n, std::initializer_list<Cell> cells)
{
    BoardMatrix b;
    b.redim(n);
    for (const Cell& c : cells)
        b(c.row, c.column) = std::int16_t(c.value);
    return b;
}

// A board of side n with every cell holding `fill`, then row `row` replaced by `values`.
BoardMatrix boardWithRow(int n, int fill, int row, const std::vector<int>& values)
{
    BoardMatrix b;
    b.redim(n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            b(r, c) = std::int16_t(r == row ? values[std::size_t(c)] : fill);
    return b;
}

float noDraw()
{
    QTest::qFail("the rule drew a random number", __FILE__, __LINE__);
    return 0.5f;
}

// Hands out the given draws in order and counts them.
struct Draws
{
    std::vector<float> values;
    std::size_t used = 0;

    RandomDraw source()
    {
        return [this] {
            if (used == values.size()) {
                QTest::qFail("more draws than scripted", __FILE__, __LINE__);
                return 0.5f;
            }
            return values[used++];
        };
    }
};

ComputerEvaluation choose(const BoardMatrix& b, int row, int uroven, Scores ochki = {},
                          double kept = 0, const RandomDraw& rnd = noDraw)
{
    ComputerEvaluation e;
    e.Ocenka[3] = kept;
    return chooseComputerColumn({b, row, b.size(), ochki}, uroven, e, rnd);
}

int chosen(const ComputerEvaluation& e)
{
    return int(e.Ocenka[3]);
}

} // namespace

class TestComputer : public QObject
{
    Q_OBJECT

private slots:
    // --- Every strength ---

    void singleCandidateIsChosenByEveryStrength_data()
    {
        QTest::addColumn<int>("uroven");
        QTest::addColumn<int>("side");
        for (int uroven : {0, 1, 2, 3, 7})
            for (int side : {5, 8, 10})
                QTest::addRow("strength %d, board %d", uroven, side) << uroven << side;
    }
    void singleCandidateIsChosenByEveryStrength()
    {
        QFETCH(int, uroven);
        QFETCH(int, side);
        std::vector<int> row(std::size_t(side), 0);
        row[std::size_t(side - 2)] = 4;
        const BoardMatrix b = boardWithRow(side, 5, 2, row);
        const ComputerEvaluation e = choose(b, 2, uroven); // "Easy" must not draw here
        QCOMPARE(chosen(e), side - 2);
    }

    void emptyRowKeepsTheColumnOrFallsBackOntoTheBoard_data()
    {
        QTest::addColumn<int>("uroven");
        QTest::addColumn<double>("kept");
        QTest::addColumn<int>("expected");
        for (int uroven : {0, 1, 2, 3}) {
            QTest::addRow("strength %d, kept 3", uroven) << uroven << 3.0 << 3;
            QTest::addRow("strength %d, kept 8 from a larger board", uroven) << uroven << 8.0 << 0;
        }
    }
    void emptyRowKeepsTheColumnOrFallsBackOntoTheBoard()
    {
        // The person's move has just ended the game: the row holds nothing, yet the column
        // must name a cell of the board so that the refused move stays on it.
        QFETCH(int, uroven);
        QFETCH(double, kept);
        QFETCH(int, expected);
        const BoardMatrix b = boardWithRow(5, 6, 1, {0, 0, 0, 0, 0});
        const ComputerEvaluation e = choose(b, 1, uroven, {}, kept);
        QCOMPARE(chosen(e), expected);
        QCOMPARE(computerCell(1, 5, e), std::optional<int>(10 + expected));
    }

    void noBoardChoosesNoCell()
    {
        const BoardMatrix none;
        ComputerEvaluation kept;
        kept.Ocenka[3] = 4;
        const ComputerEvaluation e = chooseComputerColumn({none, 0, 0, {}}, 1, kept, noDraw);
        QCOMPARE(chosen(e), 0);
        QVERIFY(!computerCell(0, 0, e));
    }

    void computerCellLiesOnTheBoard()
    {
        ComputerEvaluation e;
        e.Ocenka[3] = 3;
        QCOMPARE(computerCell(2, 5, e), std::optional<int>(23));
        QCOMPARE(computerCell(9, 10, e), std::optional<int>(93));
        QVERIFY(!computerCell(5, 5, e));
        e.Ocenka[3] = 5;
        QVERIFY(!computerCell(2, 5, e));
    }

    // --- "Hard" and "Satan" ---

    void greedyTakesTheHighestLeftmostValue_data()
    {
        QTest::addColumn<int>("uroven");
        QTest::addColumn<std::vector<int>>("row");
        QTest::addColumn<int>("expected");
        for (int uroven : {1, 3}) {
            QTest::addRow("strength %d: 5, 9, 9 in columns 1, 3, 6", uroven)
                << uroven << std::vector<int>{0, 5, 0, 9, 0, 0, 9, 0} << 3;
            QTest::addRow("strength %d: a later higher value", uroven)
                << uroven << std::vector<int>{2, 0, 0, 0, 7, 0, 0, 1} << 4;
            QTest::addRow("strength %d: all equal", uroven)
                << uroven << std::vector<int>{0, 0, 4, 4, 4, 0, 4, 4} << 2;
        }
    }
    void greedyTakesTheHighestLeftmostValue()
    {
        QFETCH(int, uroven);
        QFETCH(std::vector<int>, row);
        QFETCH(int, expected);
        // The replies do not matter to the greedy rule: the other rows hold 9s.
        const BoardMatrix b = boardWithRow(8, 9, 3, row);
        ComputerEvaluation kept;
        kept.Ocenka[1] = 42;
        kept.Ocenka[3] = 7;
        const ComputerEvaluation e = chooseComputerColumn({b, 3, 8, {}}, uroven, kept, noDraw);
        QCOMPARE(chosen(e), expected);
        QCOMPARE(e.Ocenka[2], double(row[std::size_t(expected)]));
        QCOMPARE(e.Ocenka[0], -10.0);
        QCOMPARE(e.Ocenka[1], 42.0);
        QCOMPARE(e.Maks, 0.0);
    }

    // --- "God" ---

    void godWeighsTheBestReply_data()
    {
        QTest::addColumn<int>("replyInColumn6");
        QTest::addColumn<int>("expected");
        QTest::addColumn<double>("bestScore");
        QTest::newRow("column 6 scores 4 against column 4's -2") << 1 << 6 << 4.0;
        QTest::newRow("column 6 scores -4") << 9 << 4 << -2.0;
        QTest::newRow("a tie keeps column 4") << 7 << 4 << -2.0;
    }
    void godWeighsTheBestReply()
    {
        // Row 2: cell (2, 4) holds 7 over replies 3, 9, 2; cell (2, 6) holds 5.
        QFETCH(int, replyInColumn6);
        QFETCH(int, expected);
        QFETCH(double, bestScore);
        const BoardMatrix b = board(8, {{2, 4, 7},
                                        {0, 4, 3},
                                        {5, 4, 9},
                                        {7, 4, 2},
                                        {2, 6, 5},
                                        {1, 6, 1},
                                        {4, 6, replyInColumn6}});
        const ComputerEvaluation e = choose(b, 2, 2);
        QCOMPARE(chosen(e), expected);
        QCOMPARE(e.Ocenka[2], bestScore);
        QCOMPARE(e.Maks, 0.0);
    }

    void godClosesTheGameOnlyWhenStrictlyAhead_data()
    {
        QTest::addColumn<int>("person");
        QTest::addColumn<int>("computer");
        QTest::addColumn<int>("expected");
        QTest::newRow("5 + 6 > 10: closes at once") << 10 << 6 << 2;
        QTest::newRow("5 + 5 = 10: plays on") << 10 << 5 << 4;
        QTest::newRow("far behind: plays on") << 30 << 0 << 4;
        QTest::newRow("already ahead") << -3 << 0 << 2;
    }
    void godClosesTheGameOnlyWhenStrictlyAhead()
    {
        // Row 0 on a board of 5: column 0 scores 3 - 2 = 1, column 2 holds its last cell
        // (5), column 4 scores 9 - 1 = 8 and would win if the scan reached it.
        QFETCH(int, person);
        QFETCH(int, computer);
        QFETCH(int, expected);
        const BoardMatrix b = board(5, {{0, 0, 3}, {1, 0, 2}, {0, 2, 5}, {0, 4, 9}, {1, 4, 1}});
        const ComputerEvaluation e =
            choose(b, 0, 2, {std::int16_t(person), std::int16_t(computer)});
        QCOMPARE(chosen(e), expected);
        // Closing at once leaves the columns to the right unweighed.
        QCOMPARE(e.Ocenka[2], expected == 2 ? 1.0 : 8.0);
    }

    void godMarksALosingCloseUnplayable()
    {
        // The closing column comes last and is not chosen: its score is the mark -10.
        const BoardMatrix b = board(5, {{3, 0, 3}, {1, 0, 2}, {3, 2, 5}});
        const ComputerEvaluation e = choose(b, 3, 2, {20, 0});
        QCOMPARE(chosen(e), 0);
        QCOMPARE(e.Ocenka[0], -10.0);
        QCOMPARE(e.Ocenka[1], 2.0);
        QCOMPARE(e.Ocenka[2], 1.0);
    }

    void godTakesTheLastOfSideMinusOneClosingMoves_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("allClosing");
        QTest::addColumn<int>("expected");
        for (int side : {5, 8, 10}) {
            QTest::addRow("board %d, %d closing moves", side, side - 1) << side << true << side - 1;
            QTest::addRow("board %d, %d closing moves", side, side - 2) << side << false << 0;
        }
    }
    void godTakesTheLastOfSideMinusOneClosingMoves()
    {
        // Row 1: column 0 scores 2 - 1 = 1; columns 1 on hold their last cell (3), and the
        // person leads by far, so no close brings the lead.
        QFETCH(int, side);
        QFETCH(bool, allClosing);
        QFETCH(int, expected);
        BoardMatrix b = board(side, {{1, 0, 2}, {3, 0, 1}});
        const int closing = allClosing ? side - 1 : side - 2;
        for (int c = 1; c <= closing; ++c)
            b(1, c) = 3;
        const ComputerEvaluation e = choose(b, 1, 2, {50, 0});
        QCOMPARE(chosen(e), expected);
    }

    void godWithNothingChosenFallsBack_data()
    {
        QTest::addColumn<int>("pole");
        QTest::addColumn<double>("kept");
        QTest::addColumn<int>("expected");
        QTest::newRow("kept column still on the board") << 5 << 3.0 << 3;
        QTest::newRow("kept column taken") << 5 << 2.0 << 1;
        QTest::newRow("kept column from a larger board") << 5 << 7.0 << 1;
        QTest::newRow("matrix of a larger board, kept column off the board") << 10 << 7.0 << 1;
    }
    void godWithNothingChosenFallsBack()
    {
        // Row 1 of a board of 5: two candidates (columns 1 and 3), each the last cell of its
        // column, neither bringing the lead; fewer than 4, so the scan chooses nothing.
        QFETCH(int, pole);
        QFETCH(double, kept);
        QFETCH(int, expected);
        BoardMatrix b = board(pole, {{1, 1, 4}, {1, 3, 6}, {0, 2, 9}});
        if (pole > 5)
            b(1, 7) = 9; // a cell of the old board that lies outside the board in force
        ComputerEvaluation e;
        e.Ocenka[3] = kept;
        e = chooseComputerColumn({b, 1, 5, {50, 0}}, 2, e, noDraw);
        QCOMPARE(chosen(e), expected);
    }

    // --- "Easy" ---

    void easyReplacesWithChanceOneFifth_data()
    {
        QTest::addColumn<int>("uroven");
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<int>("expected");
        const float justBelow = std::nextafter(0.2f, 0.0f);
        for (int uroven : {0, 7, -5}) {
            QTest::addRow("strength %d: no replacement", uroven)
                << uroven << std::vector<float>{0.5f, 0.9f} << 1;
            QTest::addRow("strength %d: the middle one", uroven)
                << uroven << std::vector<float>{0.1f, 0.5f} << 3;
            QTest::addRow("strength %d: the last one", uroven)
                << uroven << std::vector<float>{0.5f, 0.0f} << 4;
            QTest::addRow("strength %d: both replace", uroven)
                << uroven << std::vector<float>{0.1f, 0.1f} << 4;
            QTest::addRow("strength %d: 0.2 itself does not", uroven)
                << uroven << std::vector<float>{justBelow, 0.2f} << 3;
        }
    }
    void easyReplacesWithChanceOneFifth()
    {
        QFETCH(int, uroven);
        QFETCH(std::vector<float>, draws);
        QFETCH(int, expected);
        const BoardMatrix b = boardWithRow(5, 1, 0, {0, 2, 0, 8, 5});
        Draws rnd{draws};
        const ComputerEvaluation e = choose(b, 0, uroven, {}, 0, rnd.source());
        QCOMPARE(chosen(e), expected);
        QCOMPARE(rnd.used, std::size_t(2)); // one draw per candidate after the first
        QCOMPARE(e.Maks, 1.0);
    }

    void easyFavoursTheFirstCandidate()
    {
        // Four candidates: the last is played with probability 0.2, the ones before it with
        // 0.16 and 0.128, the first with 0.8^3 = 0.512. 20000 moves put the bounds below at
        // more than five standard deviations.
        rules::Randomize();
        const BoardMatrix b = boardWithRow(10, 3, 0, {0, 0, 6, 0, 1, 9, 0, 0, 0, 4});
        const RandomDraw rnd = rules::Rnd;
        constexpr int Moves = 20000;
        std::array<int, 10> counts{};
        for (int move = 0; move < Moves; ++move)
            ++counts[std::size_t(chosen(choose(b, 0, 0, {}, 0, rnd)))];
        const auto share = [&](int column) { return double(counts[std::size_t(column)]) / Moves; };
        QVERIFY2(std::abs(share(9) - 0.2) < 0.02, qPrintable(QString::number(share(9))));
        QVERIFY2(std::abs(share(5) - 0.16) < 0.02, qPrintable(QString::number(share(5))));
        QVERIFY2(std::abs(share(4) - 0.128) < 0.02, qPrintable(QString::number(share(4))));
        QVERIFY2(std::abs(share(2) - 0.512) < 0.025, qPrintable(QString::number(share(2))));
        QCOMPARE(counts[2] + counts[4] + counts[5] + counts[9], Moves);
    }
};

QTEST_APPLESS_MAIN(TestComputer)
#include "test_computer.moc"
