#pragma once

#include "Shading.h"

#include <QImage>
#include <QList>
#include <utility>
#include <vector>

namespace artwork {

// A short list of colours chosen to stand for a picture: the glint strips are stored with 256
// colours, so the title they copy may use no more colours than leave room for the glint.
class Palette
{
public:
    Palette() = default;

    // Up to `count` colours that represent the samples well: median cut, then a few rounds of
    // k-means to settle each colour at the centre of the samples it stands for.
    static Palette representing(const std::vector<Rgbf>& samples, int count);
    static std::vector<Rgbf> samplesOf(const QImage& image);

    void append(const Palette& other);
    // Unused entries are black.
    void fillTo(int count);
    int size() const { return int(colours_.size()); }
    QRgb colour(int index) const { return colours_[std::size_t(index)]; }
    QList<QRgb> colourTable() const;
    int nearest(Rgbf colour) const;

    // The image in palette colours, with Floyd-Steinberg error diffusion so that smooth
    // shading keeps its smoothness instead of breaking into bands.
    QImage diffuse(const QImage& image) const;

private:
    explicit Palette(std::vector<QRgb> colours) : colours_(std::move(colours)) {}
    void settle(const std::vector<Rgbf>& samples, int rounds);

    std::vector<QRgb> colours_;
};

} // namespace artwork
