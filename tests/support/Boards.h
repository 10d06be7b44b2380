#pragma once

#include "platform/runtime/Colors.h"

#include <QList>

class Dravik;
class ScriptedRnd;

// Scripts the draws of a game set-up: first who begins (0 or 1), then the value of every
// board cell row by row. `values` holds side * side numbers 1 to 9.
void scriptSetUp(ScriptedRnd& rnd, int firstPlayer, const QList<int>& values);

// The draw that makes Int(Rnd * n) come out as k.
float drawFor(int k, int n);

// The cells of the grid, by index, whose back colour is `colour`.
QList<int> cellsColoured(const Dravik& w, platform::Color colour);

// How many cells of the board in force take clicks.
int enabledBoardCells(const Dravik& w);

// A colour of the game's kind from its red, green and blue parts.
constexpr platform::Color rgb(int r, int g, int b)
{
    return platform::Color(r) | (platform::Color(g) << 8) | (platform::Color(b) << 16);
}
