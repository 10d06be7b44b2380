#pragma once

#include "rules/standins/Contrast.h"

#include <QColor>
#include <QPalette>
#include <cstdint>

// The game's colours are 32-bit values: red in the low byte, green in the next, blue in
// the third. A value with the top bit set names a system colour by its number instead.
namespace platform {

using Color = std::uint32_t;

inline constexpr Color ButtonFace = 0x8000000F; // system colour 15
inline constexpr Color White = 0x00FFFFFF;
inline constexpr Color Red = 0x000000FF;
inline constexpr Color LightGrey = 0x00C0C0C0; // RGB 192, 192, 192

constexpr bool isSystemColor(Color c)
{
    return (c & 0x80000000u) != 0;
}

// The colour as the toolkit paints it: a system colour is looked up in the palette of the
// widget that shows it. The game shows one system colour, button face.
QColor toQColor(Color c, const QPalette& palette);

// The colour of a caption drawn on the back colour `back`: on button face the desktop's
// button text, on one of the game's own colours the
// colour chosen for it; either way one that reads there. A disabled caption is faded
// towards the back, but not below the contrast of a mark.
QColor captionColor(Color back, const QPalette& palette, bool enabled = true);

rules::Rgb toRgb(const QColor& c);
QColor toQColor(rules::Rgb c);

} // namespace platform
