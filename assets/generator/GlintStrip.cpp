#include "GlintStrip.h"

#include <array>
#include <cmath>

namespace artwork {

namespace {

struct FrameLook
{
    float size; // share of the spot's radius the rays reach
    float brightness;
};

// Small, larger, largest and brightest, then fading.
constexpr std::array<FrameLook, GlintFrames> Frames{{
    {0.45f, 1.0f},
    {0.75f, 1.0f},
    {1.0f, 1.0f},
    {0.6f, 0.75f},
}};

constexpr Rgbf Starlight{255.0f, 255.0f, 228.0f};
constexpr float Faint = 1.0f / 255.0f; // less than this changes no colour

// A thin ray along one axis, fading towards its tip.
float ray(float along, float across, float length, float width)
{
    if (std::abs(along) >= length)
        return 0.0f;
    const float fade = 1.0f - std::abs(along) / length;
    return std::exp(-(across * across) / (width * width)) * std::pow(fade, 0.9f);
}

} // namespace

float GlintStrip::flare(int frame, float dx, float dy) const
{
    const FrameLook& look = Frames[std::size_t(frame)];
    const float reach = (float(spot_.radius) - 0.5f) * look.size;
    const float r = std::hypot(dx, dy);
    if (r >= reach)
        return 0.0f;
    const float width = 0.6f + 0.5f * look.size;
    const float core = std::exp(-std::pow(r / (0.14f * reach + 1.2f), 2.0f));
    const float halo = 0.5f * std::exp(-std::pow(r / (0.35f * reach), 2.0f));
    const float cross = ray(dx, dy, reach, width) + ray(dy, dx, reach, width);
    const float u = (dx + dy) * 0.70710678f;
    const float v = (dx - dy) * 0.70710678f;
    const float diagonal =
        ray(u, v, 0.5f * reach, 0.8f * width) + ray(v, u, 0.5f * reach, 0.8f * width);
    const float light = std::min(1.0f, core + halo + cross + 0.75f * diagonal);
    return look.brightness * light * smoothstep(reach, 0.7f * reach, r);
}

QImage GlintStrip::cellOf(const QImage& title, int scale) const
{
    return title.copy(spot_.imageLeft * scale, spot_.imageTop * scale, spot_.cellWidth * scale,
                      spot_.cellHeight * scale);
}

std::vector<GlintStrip::Lit> GlintStrip::litPixels(const QImage& title, int frame, int scale) const
{
    const QImage cell = cellOf(title, scale);
    const float s = float(scale);
    std::vector<Lit> lit;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const float dx = (float(x) + 0.5f) / s - (float(spot_.centreX) + 0.5f);
            const float dy = (float(y) + 0.5f) / s - (float(spot_.centreY) + 0.5f);
            const float a = flare(frame, dx, dy);
            if (a >= Faint)
                lit.push_back({QPoint(frame * cell.width() + x, y),
                               mix(Rgbf::of(cell.pixel(x, y)), Starlight, a)});
        }
    }
    return lit;
}

std::vector<Rgbf> GlintStrip::litColours(const QImage& title, int scale) const
{
    std::vector<Rgbf> colours;
    for (int frame = 0; frame < GlintFrames; ++frame)
        for (const Lit& pixel : litPixels(title, frame, scale))
            colours.push_back(pixel.colour);
    return colours;
}

QImage GlintStrip::draw(const QImage& title, const Palette& palette, int scale) const
{
    const QImage cell = cellOf(title, scale);
    QImage strip(cell.width() * GlintFrames, cell.height(), QImage::Format_RGB32);
    for (int frame = 0; frame < GlintFrames; ++frame) {
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                strip.setPixel(frame * cell.width() + x, y, cell.pixel(x, y));
        for (const Lit& pixel : litPixels(title, frame, scale))
            strip.setPixel(pixel.at, palette.colour(palette.nearest(pixel.colour)));
    }
    return strip;
}

} // namespace artwork
