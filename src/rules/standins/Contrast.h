#pragma once

// How well one colour reads on another, by the relative luminance of the two (0 for black,
// 1 for white) as (L1 + 0.05) / (L2 + 0.05): 1 for the same colour, 21 for black on white.
// Text wants 4.5; a disabled caption or a mark that is not text wants 3. No toolkit here,
// so the arithmetic is tested alone.
namespace rules {

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr double ReadableContrast = 4.5;
// A disabled caption: clearly fainter than text that reads, yet above the figure of a mark.
inline constexpr double DisabledContrast = 3.5;

double relativeLuminance(Rgb c);
double contrastRatio(Rgb a, Rgb b);

// Black or white, whichever reads better on `back`.
Rgb textColorOn(Rgb back);

// `preferred`, the desktop's text colour for a back colour of its own, where it reads on
// `back`; else black or white.
Rgb textColorOn(Rgb back, Rgb preferred);

// The colour on the way from `text` to `back` that has the given contrast with `back`, so a
// disabled caption looks faded yet still reads. Text that already reads less stays as it is.
Rgb fadedTowards(Rgb text, Rgb back, double contrast);

// A face for the cells that stays clearly apart from the white of the open line: the
// desktop's own `face` where it is, else a clear grey.
Rgb faceApartFromWhite(Rgb face);

} // namespace rules
