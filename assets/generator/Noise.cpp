#include "Noise.h"

#include <cmath>

namespace artwork {

namespace {

float smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

float lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}

} // namespace

float Noise::lattice(int x, int y) const
{
    std::uint32_t h =
        std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u ^ seed_ * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return float(h & 0xFFFFFFu) / float(0xFFFFFF);
}

float Noise::value(float x, float y) const
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    const float top = lerp(lattice(ix, iy), lattice(ix + 1, iy), tx);
    const float bottom = lerp(lattice(ix, iy + 1), lattice(ix + 1, iy + 1), tx);
    return lerp(top, bottom, ty);
}

float Noise::fractal(float x, float y, int octaves) const
{
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * value(x, y);
        total += weight;
        weight *= 0.5f;
        x = x * 2.03f + 17.0f;
        y = y * 2.03f + 31.0f;
    }
    return sum / total;
}

} // namespace artwork
