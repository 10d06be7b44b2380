#pragma once

#include <cassert>
#include <cstdint>
#include <vector>

// The board as the computer sees it: Pole(r, c) is the value 1 to 9 of the cell in row r,
// column c while it is on the board, 0 once it has been taken. Created anew, all zeros,
// for every game; rows and columns run from 0 to size() - 1.
class BoardMatrix
{
public:
    BoardMatrix() = default;

    // Re-dimensions to n by n, every element 0.
    void redim(int n)
    {
        size_ = n > 0 ? n : 0;
        cells_.assign(std::size_t(size_) * std::size_t(size_), 0);
    }

    int size() const { return size_; }
    bool contains(int r, int c) const { return r >= 0 && c >= 0 && r < size_ && c < size_; }

    std::int16_t operator()(int r, int c) const
    {
        assert(contains(r, c));
        return cells_[index(r, c)];
    }
    std::int16_t& operator()(int r, int c)
    {
        assert(contains(r, c));
        return cells_[index(r, c)];
    }

    // A read that may fall outside the matrix (a column kept from an earlier, larger board):
    // outside cells read as taken.
    std::int16_t valueOr0(int r, int c) const
    {
        return contains(r, c) ? cells_[index(r, c)] : std::int16_t(0);
    }

private:
    std::size_t index(int r, int c) const
    {
        return std::size_t(r) * std::size_t(size_) + std::size_t(c);
    }

    int size_ = 0;
    std::vector<std::int16_t> cells_;
};
