#pragma once

#include "rules/BoardMatrix.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// How the computer picks its cell. It always plays player 1, so it takes a cell of the open
// row; what differs between the strengths is only which column of that row it picks.

// What the computer looks at: the board as it sees it, the row it must take from, the side
// of the board in force and both scores (the person's first).
struct ComputerView
{
    const BoardMatrix& Pole;
    int Liniya = 0;
    int Razmer = 0;
    std::array<std::int16_t, 2> Ochki{};
};

// The computer's working evaluation, kept by the window between moves.
//  Maks       "God": the best reply found so far in the column under evaluation;
//             "Easy": 1 once the first candidate has been taken as the choice.
//  Ocenka[0]  "God": the score of the column under evaluation.
//  Ocenka[1]  "God": the column that Ocenka[0] belongs to.
//  Ocenka[2]  the best score ("God") or the highest value ("Hard", "Satan") so far.
//  Ocenka[3]  the chosen column. It survives from move to move: when a move chooses
//             nothing, the column of the previous move is played again if its cell in
//             this row is still on the board.
struct ComputerEvaluation
{
    double Maks = 0;
    std::array<double, 4> Ocenka{};
};

// A uniform draw, 0 <= r < 1, at single precision.
using RandomDraw = std::function<float()>;

// Chooses the computer's column in row view.Liniya by the rule of strength Uroven
// (0 "Easy", 1 "Hard", 2 "God", 3 "Satan"; any other value plays as "Easy") and returns
// the evaluation with the choice in Ocenka[3]. Only "Easy" draws, one number for each
// candidate after the first. Every cell read lies on the board in force, and the column
// returned always lies on it too (column 0 when no board is chosen), even when the kept
// column came from an earlier, larger board.
ComputerEvaluation chooseComputerColumn(const ComputerView& view, int Uroven,
                                        ComputerEvaluation evaluation, const RandomDraw& rnd);

// The index of the cell the computer has chosen, 10 x row + column, or nothing when that
// cell does not lie on a board of side Razmer.
std::optional<int> computerCell(int Liniya, int Razmer, const ComputerEvaluation& evaluation);
