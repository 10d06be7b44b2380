#pragma once

#include <QRgb>
#include <algorithm>
#include <cmath>

namespace artwork {

// A colour with float channels on the 0..255 scale, for mixing light without rounding at
// every step.
struct Rgbf
{
    float r = 0;
    float g = 0;
    float b = 0;

    static Rgbf of(QRgb c) { return {float(qRed(c)), float(qGreen(c)), float(qBlue(c))}; }

    QRgb toRgb() const
    {
        auto channel = [](float v) { return int(std::lround(std::clamp(v, 0.0f, 255.0f))); };
        return qRgb(channel(r), channel(g), channel(b));
    }
};

inline Rgbf operator*(Rgbf c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

inline Rgbf operator+(Rgbf a, Rgbf b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

inline Rgbf mix(Rgbf a, Rgbf b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct Vec3
{
    float x = 0;
    float y = 0;
    float z = 0;

    Vec3 normalised() const
    {
        const float len = std::sqrt(x * x + y * y + z * z);
        return {x / len, y / len, z / len};
    }
};

inline float dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// All the artwork is lit from the top left, as window bevels are, so the carved wall, the
// metal letters and the drawn buttons agree with each other.
inline const Vec3 TopLeftLight = Vec3{-0.6f, -0.75f, 0.9f}.normalised();

inline float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

} // namespace artwork
