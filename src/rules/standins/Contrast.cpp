#include "rules/standins/Contrast.h"

#include <algorithm>
#include <cmath>

namespace rules {

namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb WhiteRgb{255, 255, 255};

// The cells' grey on a desktop whose own button face comes too close to white.
constexpr Rgb ClearGrey{212, 212, 212};

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int mix(int from, int to, double t)
{
    return int(std::lround(from + (to - from) * t));
}

Rgb mix(Rgb from, Rgb to, double t)
{
    return {mix(from.r, to.r, t), mix(from.g, to.g, t), mix(from.b, to.b, t)};
}

} // namespace

double relativeLuminance(Rgb c)
{
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrastRatio(Rgb a, Rgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb textColorOn(Rgb back)
{
    return contrastRatio(Black, back) >= contrastRatio(WhiteRgb, back) ? Black : WhiteRgb;
}

Rgb textColorOn(Rgb back, Rgb preferred)
{
    return contrastRatio(preferred, back) >= ReadableContrast ? preferred : textColorOn(back);
}

Rgb fadedTowards(Rgb text, Rgb back, double contrast)
{
    if (contrastRatio(text, back) <= contrast)
        return text;
    // The contrast falls steadily as the colour nears the back: halve the way until the
    // step is below one level of a channel, keeping the side that still reads enough.
    double reads = 0.0;
    double fades = 1.0;
    while (fades - reads > 1.0 / 512) {
        const double t = (reads + fades) / 2;
        (contrastRatio(mix(text, back, t), back) >= contrast ? reads : fades) = t;
    }
    Rgb faded = mix(text, back, reads);
    if (contrastRatio(faded, back) < contrast) // rounding to whole levels went the wrong way
        faded = mix(text, back, std::max(0.0, reads - 1.0 / 256));
    return faded;
}

Rgb faceApartFromWhite(Rgb face)
{
    return contrastRatio(face, WhiteRgb) >= contrastRatio(ClearGrey, WhiteRgb) ? face : ClearGrey;
}

} // namespace rules
