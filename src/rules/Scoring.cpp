#include "rules/Scoring.h"

#include "rules/Strength.h"

#include <algorithm>
#include <limits>

namespace scoring {

int moverGain(int v, int uroven, int hod, int personScore)
{
    if (strengthRules(uroven).cutsPersonGains && hod == 0 && personScore > 10 && v != 6)
        return int((v + 1) / 1.5);
    return v;
}

int firstMoveCompensation(int v)
{
    return v / 2;
}

std::int16_t addToScore(std::int16_t score, int change)
{
    const int sum = int(score) + change;
    return std::int16_t(std::clamp(sum, int(std::numeric_limits<std::int16_t>::min()),
                                   int(std::numeric_limits<std::int16_t>::max())));
}

} // namespace scoring
