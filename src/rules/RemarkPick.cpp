#include "rules/RemarkPick.h"

#include <cmath>

int remarkIndex(float r, int count)
{
    const double slice = std::floor(double(r) * double(count));
    if (!(slice >= 0.0))
        return 0;
    return slice >= double(count) ? count - 1 : int(slice);
}
