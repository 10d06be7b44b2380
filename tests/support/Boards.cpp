#include "Boards.h"

#include "Seams.h"

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
