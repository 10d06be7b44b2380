#include "MetalLettering.h"

#include "HeightField.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace artwork {

namespace {

constexpr qreal RimWidth = 2.4; // the dark edge round each letter, logical pixels
constexpr QPointF ShadowOffset{2.5, 3.0};
constexpr Rgbf Rim{30.0f, 36.0f, 6.0f};
constexpr Rgbf Sheen{255.0f, 255.0f, 225.0f};

Rgbf gradientAt(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    for (std::size_t i = 1; i < MetalReflection.size(); ++i) {
        if (t <= MetalReflection[i].at) {
            const MetalStop& a = MetalReflection[i - 1];
            const MetalStop& b = MetalReflection[i];
            return mix(a.colour, b.colour, (t - a.at) / (b.at - a.at));
        }
    }
    return MetalReflection.back().colour;
}

} // namespace

MetalLettering::MetalLettering(std::vector<QPainterPath> lines) : lines_(std::move(lines))
{}

QPainterPath MetalLettering::fitText(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

// How much of each device pixel the letters cover, optionally widened by a rim.
QImage MetalLettering::coverage(QSize size, int scale, qreal rimWidth) const
{
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (const QPainterPath& line : lines_) {
        painter.fillPath(line, Qt::black);
        if (rimWidth > 0)
            painter.strokePath(
                line, QPen(Qt::black, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    return mask;
}

std::vector<QRectF> MetalLettering::rowBands(int rows, int scale) const
{
    std::vector<QRectF> bands(static_cast<std::size_t>(rows));
    for (int y = 0; y < rows; ++y) {
        const qreal ly = (y + 0.5) / scale;
        qreal best = 1e9;
        for (const QPainterPath& line : lines_) {
            const QRectF r = line.boundingRect();
            const qreal away =
                ly < r.top() ? r.top() - ly : (ly > r.bottom() ? ly - r.bottom() : 0);
            if (away < best) {
                best = away;
                bands[std::size_t(y)] = r;
            }
        }
    }
    return bands;
}

Rgbf MetalLettering::polishedMetal(float heightInLine, Vec3 normal) const
{
    const Rgbf base = gradientAt(heightInLine + normal.y * 0.35f);
    const float diffuse = std::max(0.0f, dot(normal, TopLeftLight));
    const Vec3 halfway = Vec3{TopLeftLight.x, TopLeftLight.y, TopLeftLight.z + 1.0f}.normalised();
    const float specular = std::pow(std::max(0.0f, dot(normal, halfway)), 18.0f);
    return base * (0.45f + 0.7f * diffuse) + Sheen * (specular * 0.55f);
}

void MetalLettering::paintOnto(QImage& ground, int scale) const
{
    const HeightField face = HeightField::fromAlpha(coverage(ground.size(), scale, 0));
    const HeightField rim = HeightField::fromAlpha(coverage(ground.size(), scale, RimWidth));
    HeightField shadow = rim;
    shadow.blur(scale, 2);
    HeightField relief = face;
    relief.blur(scale, 3);
    const std::vector<QRectF> bands = rowBands(ground.height(), scale);
    const int dx = int(std::lround(ShadowOffset.x() * scale));
    const int dy = int(std::lround(ShadowOffset.y() * scale));
    auto shadowAt = [&](int x, int y) {
        const bool inside = x >= 0 && y >= 0 && x < shadow.width() && y < shadow.height();
        return inside ? shadow.at(x, y) : 0.0f;
    };

    for (int y = 0; y < ground.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(ground.scanLine(y));
        const QRectF& band = bands[std::size_t(y)];
        const float inLine = float(((y + 0.5) / scale - band.top()) / band.height());
        for (int x = 0; x < ground.width(); ++x) {
            Rgbf c = Rgbf::of(line[x]) * (1.0f - 0.6f * shadowAt(x - dx, y - dy));
            c = mix(c, Rim, rim.at(x, y));
            if (face.at(x, y) > 0.0f)
                c = mix(c, polishedMetal(inLine, relief.normalAt(x, y, 4.0f, scale)),
                        face.at(x, y));
            line[x] = c.toRgb();
        }
    }
}

} // namespace artwork
