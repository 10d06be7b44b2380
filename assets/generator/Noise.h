#pragma once

#include <cstdint>

namespace artwork {

// Smooth value noise for stone grain and chipped edges. Coordinates are in logical pixels,
// so a picture drawn at a higher scale shows the same grain with finer detail.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // Smoothly varying, in [0, 1].
    float value(float x, float y) const;
    // Several octaves of value() summed, in [0, 1].
    float fractal(float x, float y, int octaves) const;

private:
    float lattice(int x, int y) const;

    std::uint32_t seed_;
};

} // namespace artwork
