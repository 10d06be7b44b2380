#include "rules/BoardSteps.h"

namespace boardsteps {

int neighbour(int from, Direction direction, int side, const std::function<bool(int)>& onBoard)
{
    const int dRow = direction == Direction::Up ? -1 : direction == Direction::Down ? 1 : 0;
    const int dColumn = direction == Direction::Left ? -1 : direction == Direction::Right ? 1 : 0;
    int row = from / 10 + dRow;
    int column = from % 10 + dColumn;
    for (; row >= 0 && row < side && column >= 0 && column < side; row += dRow, column += dColumn) {
        if (onBoard(10 * row + column))
            return 10 * row + column;
    }
    return -1;
}

int firstCell(int side, const std::function<bool(int)>& wanted)
{
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
            if (wanted(10 * row + column))
                return 10 * row + column;
    return -1;
}

int lastCell(int side, const std::function<bool(int)>& wanted)
{
    for (int row = side - 1; row >= 0; --row)
        for (int column = side - 1; column >= 0; --column)
            if (wanted(10 * row + column))
                return 10 * row + column;
    return -1;
}

} // namespace boardsteps
