#pragma once

#include "GlintSpots.h"
#include "Palette.h"
#include "Shading.h"

#include <QImage>
#include <vector>

namespace artwork {

// The four frames of one glint: copies of the title picture under the image, with a star of
// light that flares up over three frames and fades in the fourth.
class GlintStrip
{
public:
    explicit GlintStrip(const GlintSpot& spot) : spot_(spot) {}

    // Every colour the glint lays over the title, before it is reduced to the palette.
    std::vector<Rgbf> litColours(const QImage& title, int scale) const;

    // The strip in the palette's colours: the title must already use only palette colours,
    // so that each frame copies it exactly outside the glint.
    QImage draw(const QImage& title, const Palette& palette, int scale) const;

private:
    struct Lit
    {
        QPoint at; // in the strip
        Rgbf colour;
    };

    std::vector<Lit> litPixels(const QImage& title, int frame, int scale) const;
    float flare(int frame, float dx, float dy) const;
    QImage cellOf(const QImage& title, int scale) const;

    GlintSpot spot_;
};

} // namespace artwork
