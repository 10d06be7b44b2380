#pragma once

// Where the two glints play over the title picture, in pixels of the 1x artwork. The
// generator draws the glints from these numbers and the artwork test uses them to tell the
// glint from the copied title around it, so they live in one place.
namespace artwork {

struct GlintSpot
{
    int imageLeft; // where the image sits over the title picture
    int imageTop;
    int cellWidth; // one frame of the strip
    int cellHeight;
    int centreX; // the glint's centre, inside a frame
    int centreY;
    int radius; // no pixel farther than this from the centre is touched by any frame
};

inline constexpr int GlintFrames = 4;

// The glint of Image1 sits on the lower lettering, that of Image2 on the upper lettering.
inline constexpr GlintSpot Glint1Spot{104, 72, 64, 56, 38, 36, 18};
inline constexpr GlintSpot Glint2Spot{26, 24, 47, 47, 15, 20, 15};

} // namespace artwork
