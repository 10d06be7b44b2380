#include "rules/ShakeStep.h"

#include "rules/standins/TwipsPerPixel.h"

#include <algorithm>

namespace {

constexpr auto TwipsPerPixel = float(rules::TwipsPerPixel);

} // namespace

int shakeAxis(int pixels, float r, int low, int high)
{
    const float position = float(pixels) * TwipsPerPixel;
    const float moved = r * 200.0f + position - 100.0f;
    const float held =
        std::max(float(low) * TwipsPerPixel, std::min(moved, float(high) * TwipsPerPixel));
    return pixels + int((held - position) / TwipsPerPixel);
}
