#include "rules/ComputerChoice.h"

#include "rules/Strength.h"

namespace {

// A score no real column reaches: the best-so-far starts here, and a move that ends the
// game without the lead is marked with it so that it is never chosen.
constexpr double Unplayable = -10;

// One choosing: what the computer sees, the evaluation being built, and the number of
// "God" candidates met so far whose taking would leave their column empty.
struct Scan
{
    const ComputerView& view;
    ComputerEvaluation& e;
    const RandomDraw& rnd;
    ComputerRule rule;
    int closingCount = 0;

    // A cell of the board in force. Anything outside it, or outside the matrix of an older
    // board, reads as taken.
    int at(int row, int column) const
    {
        if (row >= view.Razmer || column >= view.Razmer)
            return 0;
        return view.Pole.valueOr0(row, column);
    }
    int inRow(int column) const { return at(view.Liniya, column); }
};

enum class Next
{
    Continue,
    Stop
};

// "Easy": the first candidate is the choice, and every later one replaces it with chance
// 0.2. Of k candidates the last is played with probability 0.2, the first with 0.8^(k-1).
void easyStep(Scan& s, int column)
{
    if (s.e.Maks == 0) {
        s.e.Ocenka[3] = column;
        s.e.Maks = 1;
    } else if (s.rnd() < 0.2f) {
        s.e.Ocenka[3] = column;
    }
}

// "Hard" and "Satan": the highest value of the row. Only a higher value replaces the
// choice, so among equal values the leftmost is played.
void greedyStep(Scan& s, int column)
{
    const int v = s.inRow(column);
    if (v > s.e.Ocenka[2]) {
        s.e.Ocenka[2] = v;
        s.e.Ocenka[3] = column;
    }
}

// "God", first half: scores the column as the value taken minus the person's best reply in
// it (Ocenka[0] for column Ocenka[1]) and returns how many of its cells are taken.
int scoreAgainstBestReply(Scan& s, int column)
{
    const int v = s.inRow(column);
    int emptyCount = 0;
    for (int row = 0; row < s.view.Razmer; ++row) {
        const int reply = s.at(row, column);
        if (reply == 0) {
            ++emptyCount;
        } else if (row != s.view.Liniya && reply > s.e.Maks) {
            s.e.Maks = reply;
            s.e.Ocenka[0] = v - s.e.Maks;
            s.e.Ocenka[1] = column;
        }
    }
    return emptyCount;
}

// "God", a column whose last cell this is: taking it leaves the person no move and ends the
// game. Worth it when the computer then leads, or when nearly every column of the row is
// such a dead end anyway; otherwise the column is marked unplayable.
Next judgeClosingMove(Scan& s, int column)
{
    ++s.closingCount;
    const int v = s.inRow(column);
    if (v + s.view.Ochki[1] > s.view.Ochki[0] || s.closingCount == s.view.Razmer - 1) {
        s.e.Ocenka[3] = column;
        return Next::Stop;
    }
    s.e.Ocenka[0] = Unplayable;
    s.e.Ocenka[1] = column;
    return Next::Continue;
}

// "God": one move of look-ahead. Only a strictly better score replaces the choice, so ties
// keep the leftmost column.
Next godStep(Scan& s, int column)
{
    if (scoreAgainstBestReply(s, column) == s.view.Razmer - 1 &&
        judgeClosingMove(s, column) == Next::Stop)
        return Next::Stop;
    if (s.e.Ocenka[0] > s.e.Ocenka[2]) {
        s.e.Ocenka[2] = s.e.Ocenka[0];
        s.e.Ocenka[3] = s.e.Ocenka[1];
        s.e.Ocenka[0] = Unplayable;
    }
    s.e.Maks = 0;
    return Next::Continue;
}

Next strengthStep(Scan& s, int column)
{
    switch (s.rule) {
    case ComputerRule::Greedy:
        greedyStep(s, column);
        return Next::Continue;
    case ComputerRule::LookAhead:
        return godStep(s, column);
    case ComputerRule::FirstOrChance:
        break;
    }
    easyStep(s, column);
    return Next::Continue;
}

int chosenColumn(const ComputerEvaluation& e)
{
    return int(e.Ocenka[3]);
}

// When the chosen column holds no cell of the row (nothing was chosen, or the kept column
// has been taken meanwhile), the leftmost cell still on the row is played. A row with no
// cell at all comes only after the person's move has ended the game; the column then only
// has to name a cell of the board, because the move that follows is refused.
void settleChoice(Scan& s)
{
    if (s.inRow(chosenColumn(s.e)) != 0)
        return;
    for (int column = 0; column < s.view.Razmer; ++column) {
        if (s.inRow(column) > 0) {
            s.e.Ocenka[3] = column;
            return;
        }
    }
    if (chosenColumn(s.e) < 0 || chosenColumn(s.e) >= s.view.Razmer)
        s.e.Ocenka[3] = 0;
}

} // namespace

ComputerEvaluation chooseComputerColumn(const ComputerView& view, int Uroven,
                                        ComputerEvaluation evaluation, const RandomDraw& rnd)
{
    evaluation.Maks = 0;
    evaluation.Ocenka[0] = Unplayable;
    evaluation.Ocenka[2] = Unplayable;
    Scan s{view, evaluation, rnd, strengthRules(Uroven).choice};
    for (int column = 0; column < view.Razmer; ++column) {
        if (s.inRow(column) != 0 && strengthStep(s, column) == Next::Stop)
            break;
    }
    settleChoice(s);
    return evaluation;
}

std::optional<int> computerCell(int Liniya, int Razmer, const ComputerEvaluation& evaluation)
{
    const int column = chosenColumn(evaluation);
    if (Liniya < 0 || Liniya >= Razmer || column < 0 || column >= Razmer)
        return std::nullopt;
    return 10 * Liniya + column;
}
