#pragma once

// Positions and sizes in the windows' descriptions, and the shake's steps, are in twips:
// 15 twips are one pixel at 96 dots per inch.
namespace rules {

inline constexpr int TwipsPerPixel = 15;

} // namespace rules
