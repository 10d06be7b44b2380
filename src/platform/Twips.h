#pragma once

#include <QRect>

// Positions and sizes in the windows' descriptions are in twips: 15 twips are one pixel at
// 96 dots per inch. Qt scales logical pixels on high-density screens by itself.
namespace platform {

inline constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace platform
