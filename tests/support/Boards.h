#pragma once

#include <QList>

class ScriptedRnd;

// Scripts the draws of a game set-up: first who begins (0 or 1), then the value of every
// board cell row by row. `values` holds side * side numbers 1 to 9.
void scriptSetUp(ScriptedRnd& rnd, int firstPlayer, const QList<int>& values);

// The draw that makes Int(Rnd * n) come out as k.
float drawFor(int k, int n);
