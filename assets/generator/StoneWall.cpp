#include "StoneWall.h"

#include "Dice.h"

#include <cmath>

namespace artwork {

namespace {

constexpr float JointHalfWidth = 0.9f; // logical pixels of mortar on each side of a joint
constexpr float CornerRadius = 3.0f;
constexpr float BevelWidth = 3.2f; // how far the carved edge of a block slopes
constexpr Rgbf Mortar{84.0f, 82.0f, 77.0f};

// Distance from a point inside a rounded rectangle to its edge (negative outside).
float insideRoundedRect(QRectF r, float radius, float x, float y)
{
    const float qx = std::abs(x - float(r.center().x())) - (float(r.width()) / 2 - radius);
    const float qy = std::abs(y - float(r.center().y())) - (float(r.height()) / 2 - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return radius - outside - std::min(std::max(qx, qy), 0.0f);
}

} // namespace

StoneWall::StoneWall(QSizeF logicalSize, std::uint32_t seed) : size_(logicalSize), noise_(seed)
{
    layCourses(seed);
}

// Courses of uneven height, each made of blocks of uneven length, with the joints of
// neighbouring courses staggered as a mason would lay them.
void StoneWall::layCourses(std::uint32_t seed)
{
    Dice dice(seed);
    double top = -dice.between(2.0, 10.0);
    while (top < size_.height()) {
        const double courseHeight = dice.between(15.0, 23.0);
        double left = -dice.between(4.0, 30.0);
        while (left < size_.width()) {
            const double length = dice.between(20.0, 42.0);
            const float grey = float(dice.between(100.0, 138.0));
            const float tint = float(dice.between(-2.0, 6.0));
            blocks_.push_back({QRectF(left, top, length, courseHeight),
                               Rgbf{grey + tint, grey + tint * 0.4f, grey - tint},
                               float(dice.between(0.0, 500.0))});
            left += length;
        }
        top += courseHeight;
    }
}

float StoneWall::edgeDistance(const Block& block, float x, float y) const
{
    const QRectF stone =
        block.cell.adjusted(JointHalfWidth, JointHalfWidth, -JointHalfWidth, -JointHalfWidth);
    const float chipped = (noise_.fractal(x * 0.33f, y * 0.33f, 3) - 0.5f) * 2.4f;
    return insideRoundedRect(stone, CornerRadius, x, y) + chipped;
}

void StoneWall::carveBlock(const Block& block, int scale, HeightField& height,
                           std::vector<Rgbf>& albedo) const
{
    const float s = float(scale);
    const int x0 = std::max(0, int(std::floor(block.cell.left() * s)));
    const int y0 = std::max(0, int(std::floor(block.cell.top() * s)));
    const int x1 = std::min(height.width(), int(std::ceil(block.cell.right() * s)));
    const int y1 = std::min(height.height(), int(std::ceil(block.cell.bottom() * s)));
    for (int py = y0; py < y1; ++py) {
        for (int px = x0; px < x1; ++px) {
            const float x = (float(px) + 0.5f) / s;
            const float y = (float(py) + 0.5f) / s;
            if (!block.cell.contains(QPointF(x, y)))
                continue;
            const float d = edgeDistance(block, x, y);
            const float coverage = std::clamp(d * s + 0.5f, 0.0f, 1.0f);
            const float bumps = noise_.fractal(x * 0.22f + block.grainShift, y * 0.22f, 3);
            const float grain = noise_.fractal(x * 0.9f, y * 0.9f + block.grainShift, 2);
            const float stoneHeight = 1.3f * smoothstep(0.0f, BevelWidth, d) + bumps * 0.7f;
            const float mortarHeight = grain * 0.15f - 0.2f;
            height.at(px, py) = mortarHeight + (stoneHeight - mortarHeight) * coverage;

            const float mottle =
                0.8f + 0.3f * noise_.fractal(x / 6.0f + block.grainShift, y / 6.0f, 3);
            const Rgbf stone = block.tone * (mottle + (grain - 0.5f) * 0.16f);
            const Rgbf mortar = Mortar * (0.8f + 0.4f * grain);
            albedo[std::size_t(py * height.width() + px)] = mix(mortar, stone, coverage);
        }
    }
}

QImage StoneWall::draw(int scale) const
{
    const int w = int(std::lround(size_.width() * scale));
    const int h = int(std::lround(size_.height() * scale));
    HeightField height(w, h);
    std::vector<Rgbf> albedo(std::size_t(w * h));
    for (const Block& block : blocks_)
        carveBlock(block, scale, height, albedo);

    QImage wall(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(wall.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const Vec3 n = height.normalAt(x, y, 1.1f, scale);
            const float light = 0.38f + 0.9f * std::max(0.0f, dot(n, TopLeftLight));
            line[x] = (albedo[std::size_t(y * w + x)] * light).toRgb();
        }
    }
    return wall;
}

} // namespace artwork
