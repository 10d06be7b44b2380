#pragma once

#include "rules/standins/TwipsPerPixel.h"

#include <QRect>

// Twips to the toolkit's logical pixels; Qt scales those on high-density screens by itself.
namespace platform {

constexpr int px(int twips)
{
    return twips / rules::TwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace platform
