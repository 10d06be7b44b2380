#pragma once

#include <functional>

// Moving about the board from the keyboard. Cells are numbered 10 x row + column, and the
// board is the top-left side x side square of the grid, whatever the side.
namespace boardsteps {

enum class Direction
{
    Left,
    Right,
    Up,
    Down
};

// The nearest cell beyond `from` in `direction` that `onBoard` accepts: cells it refuses
// (taken ones) are passed over. -1 when the board's edge comes first; nothing wraps round.
int neighbour(int from, Direction direction, int side, const std::function<bool(int)>& onBoard);

// The first, or the last, board cell in index order that `wanted` accepts; -1 if none does.
int firstCell(int side, const std::function<bool(int)>& wanted);
int lastCell(int side, const std::function<bool(int)>& wanted);

} // namespace boardsteps
