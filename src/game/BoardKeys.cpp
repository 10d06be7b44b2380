#include "rules/BoardSteps.h"
#include "ui/Dravik.h"

#include <QGroupBox>
#include <QRadioButton>
#include <algorithm>
#include <optional>

// Playing from the keyboard. The board is one stop of the Tab key: inside it the arrow keys
// move from cell to cell, and Space or Enter takes the cell, through the same click as the
// mouse. The focus never leaves the board on its own: while a move takes the focused cell
// or the computer closes the board, it waits off every control, and it comes back to the
// board when the move is over, so a key meant for the board never reaches a size option.
// It waits on the window's client area, which no key acts on: with no focus at all, the
// toolkit would give it to the first control that takes it, a size option, as soon as the
// window is active again - after a message box, say.

namespace {

bool onTheBoard(const Dravik& w, int i)
{
    return i >= 0 && i % 10 < w.Razmer && i / 10 < w.Razmer;
}

// A cell the focus can go to: on the board, not taken, and not closed while the computer
// chooses.
bool takesFocus(const Dravik& w, int i)
{
    return onTheBoard(w, i) && w.cellOnBoard(i) && !w.computerChoosing();
}

// Red, the other open colour, only ever shows while the computer chooses.
bool open(const Dravik& w, int i)
{
    return takesFocus(w, i) && w.cellOpen(i);
}

std::optional<boardsteps::Direction> directionOf(Qt::Key key)
{
    using boardsteps::Direction;
    switch (key) {
    case Qt::Key_Left:
        return Direction::Left;
    case Qt::Key_Right:
        return Direction::Right;
    case Qt::Key_Up:
        return Direction::Up;
    case Qt::Key_Down:
        return Direction::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

int Dravik::focusedCell() const
{
    const auto* const found = std::ranges::find(kK, focusWidget());
    return found == kK.end() ? -1 : int(found - kK.begin());
}

// The cell the focus enters the board at: the one it left from, if it can still take the
// focus, else the first cell of the open line, else the first cell left on the board.
int Dravik::boardEntry() const
{
    if (boardFocus_ >= 0 && takesFocus(*this, boardFocus_))
        return boardFocus_;
    const int first = boardsteps::firstCell(Razmer, [this](int i) { return open(*this, i); });
    if (first >= 0)
        return first;
    return boardsteps::firstCell(Razmer, [this](int i) { return takesFocus(*this, i); });
}

void Dravik::holdFocus()
{
    focusWaiting_ = true;
    centralWidget()->setFocus(Qt::OtherFocusReason);
}

void Dravik::focusBoard()
{
    const int cell = boardEntry();
    if (cell < 0) {
        holdFocus(); // the computer is choosing: the focus waits for its move
        return;
    }
    focusWaiting_ = false;
    newsCell_ = cell;
    kK[std::size_t(cell)]->setFocus(Qt::OtherFocusReason);
}

void Dravik::focusNewBoard()
{
    boardFocus_ = -1;
    news_.clear();
    focusBoard();
}

void Dravik::takeCell(int Index)
{
    kK_Click(Index);
    // In a window that is not active the toolkit leaves the focus on a taken cell.
    const int cell = focusedCell();
    if (focusWaiting_ || (cell >= 0 && !takesFocus(*this, cell)))
        focusBoard();
}

void Dravik::moveFocusFrom(int from, Qt::Key key)
{
    const auto onBoard = [this](int i) { return takesFocus(*this, i); };
    const auto inOpenLine = [this](int i) { return open(*this, i); };
    int to = -1;
    if (key == Qt::Key_Home)
        to = boardsteps::firstCell(Razmer, inOpenLine);
    else if (key == Qt::Key_End)
        to = boardsteps::lastCell(Razmer, inOpenLine);
    else if (const auto direction = directionOf(key))
        to = boardsteps::neighbour(from, *direction, Razmer, onBoard);
    if (to >= 0 && to != from)
        kK[std::size_t(to)]->setFocus(Qt::OtherFocusReason);
}

// Called for Tab and Shift+Tab, and by the toolkit when the focused control is hidden or
// disabled.
bool Dravik::focusNextPrevChild(bool next)
{
    const int cell = focusedCell();
    if (cell >= 0 && (!cellOnBoard(cell) || computerChoosing())) {
        // A move takes the cell, or the computer closes the board: wait for the move's end.
        boardFocus_ = cell;
        holdFocus();
        return true;
    }
    if (cell >= 0) {
        // The board is one stop: Tab goes on to the size option in force, or the first.
        boardFocus_ = cell;
        auto* const* checked = std::ranges::find_if(ob, [](auto* o) { return o->isChecked(); });
        (checked == ob.end() ? ob[0] : *checked)
            ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    if (computerChoosing()) {
        holdFocus(); // Tab waits for the computer's move, which brings the focus back
        return true;
    }
    // From the size options, or from nowhere, Tab comes back to the board.
    const int entry = boardEntry();
    if (entry >= 0 && (!focusWidget() || fBoard->isAncestorOf(focusWidget()))) {
        kK[std::size_t(entry)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}
