#include "HeightField.h"

namespace artwork {

HeightField::HeightField(int width, int height, float fill)
    : width_(width), height_(height), values_(std::size_t(width * height), fill)
{}

HeightField HeightField::fromAlpha(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    HeightField field(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            field.at(x, y) = float(qAlpha(line[x])) / 255.0f;
    }
    return field;
}

float HeightField::clampedAt(int x, int y) const
{
    return at(std::clamp(x, 0, width_ - 1), std::clamp(y, 0, height_ - 1));
}

void HeightField::blur(int radius, int passes)
{
    for (int i = 0; i < passes; ++i) {
        blurRows(radius);
        blurColumns(radius);
    }
}

void HeightField::blurRows(int radius)
{
    std::vector<float> out(values_.size());
    const float span = float(2 * radius + 1);
    for (int y = 0; y < height_; ++y) {
        float sum = 0.0f;
        for (int k = -radius; k <= radius; ++k)
            sum += clampedAt(k, y);
        for (int x = 0; x < width_; ++x) {
            out[std::size_t(y * width_ + x)] = sum / span;
            sum += clampedAt(x + radius + 1, y) - clampedAt(x - radius, y);
        }
    }
    values_.swap(out);
}

void HeightField::blurColumns(int radius)
{
    std::vector<float> out(values_.size());
    const float span = float(2 * radius + 1);
    for (int x = 0; x < width_; ++x) {
        float sum = 0.0f;
        for (int k = -radius; k <= radius; ++k)
            sum += clampedAt(x, k);
        for (int y = 0; y < height_; ++y) {
            out[std::size_t(y * width_ + x)] = sum / span;
            sum += clampedAt(x, y + radius + 1) - clampedAt(x, y - radius);
        }
    }
    values_.swap(out);
}

Vec3 HeightField::normalAt(int x, int y, float steepness, int scale) const
{
    const float dx = (clampedAt(x + 1, y) - clampedAt(x - 1, y)) * 0.5f * float(scale);
    const float dy = (clampedAt(x, y + 1) - clampedAt(x, y - 1)) * 0.5f * float(scale);
    return Vec3{-dx * steepness, -dy * steepness, 1.0f}.normalised();
}

} // namespace artwork
