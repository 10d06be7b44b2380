#pragma once

#include "Shading.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <array>
#include <vector>

namespace artwork {

struct MetalStop
{
    float at;
    Rgbf colour;
};

// Chrome reflects a bright sky above a dark horizon and bright ground below it.
inline constexpr std::array<MetalStop, 8> MetalReflection{{
    {0.00f, {255.0f, 255.0f, 205.0f}},
    {0.22f, {228.0f, 246.0f, 112.0f}},
    {0.47f, {160.0f, 188.0f, 34.0f}},
    {0.50f, {66.0f, 82.0f, 8.0f}},
    {0.60f, {104.0f, 132.0f, 16.0f}},
    {0.82f, {196.0f, 226.0f, 64.0f}},
    {0.94f, {236.0f, 250.0f, 140.0f}},
    {1.00f, {200.0f, 224.0f, 80.0f}},
}};

// Yellow-green polished metal letters fixed to a wall: bevelled edges catch the light from
// the top left, a dark horizon line runs through each line of text as in chrome, and the
// letters cast a soft shadow down and to the right.
class MetalLettering
{
public:
    // Each line is a text outline in logical pixels; the reflection spans each line's height.
    explicit MetalLettering(std::vector<QPainterPath> lines);

    // The outline of the text stretched to fill the box exactly.
    static QPainterPath fitText(const QString& text, const QFont& font, const QRectF& box);

    void paintOnto(QImage& ground, int scale) const;

private:
    QImage coverage(QSize size, int scale, qreal rimWidth) const;
    std::vector<QRectF> rowBands(int rows, int scale) const;
    Rgbf polishedMetal(float heightInLine, Vec3 normal) const;

    std::vector<QPainterPath> lines_;
};

} // namespace artwork
