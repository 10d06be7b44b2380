#pragma once

#include "Shading.h"

#include <QImage>
#include <vector>

namespace artwork {

// One float per device pixel: a surface height for relief shading, or a coverage mask.
class HeightField
{
public:
    HeightField(int width, int height, float fill = 0.0f);
    // The alpha channel of an image, 0 to 1.
    static HeightField fromAlpha(const QImage& image);

    int width() const { return width_; }
    int height() const { return height_; }
    float at(int x, int y) const { return values_[std::size_t(y * width_ + x)]; }
    float& at(int x, int y) { return values_[std::size_t(y * width_ + x)]; }
    // Outside the field the nearest edge value continues.
    float clampedAt(int x, int y) const;

    // Repeated box blurs approach a gaussian; the radius is in device pixels.
    void blur(int radius, int passes);
    // The surface normal, with slopes measured per logical pixel so that a picture drawn at a
    // higher scale keeps the same relief.
    Vec3 normalAt(int x, int y, float steepness, int scale) const;

private:
    void blurRows(int radius);
    void blurColumns(int radius);

    int width_;
    int height_;
    std::vector<float> values_;
};

} // namespace artwork
