#include "Boards.h"

#include "Seams.h"
#include "ui/Dravik.h"

float drawFor(int k, int n)
{
    return (float(k) + 0.5f) / float(n);
}

void scriptSetUp(ScriptedRnd& rnd, int firstPlayer, const QList<int>& values)
{
    rnd.push(drawFor(firstPlayer, 2));
    for (int v : values)
        rnd.push(drawFor(v - 1, 9));
}

QList<int> cellsColoured(const Dravik& w, platform::Color colour)
{
    QList<int> cells;
    for (int i = 0; i < 100; ++i)
        if (w.kK[std::size_t(i)]->backColor() == colour)
            cells.append(i);
    return cells;
}

int enabledBoardCells(const Dravik& w)
{
    int count = 0;
    for (int r = 0; r < w.Razmer; ++r)
        for (int c = 0; c < w.Razmer; ++c)
            count += w.kK[std::size_t(Dravik::cellIndex(r, c))]->isEnabled() ? 1 : 0;
    return count;
}
