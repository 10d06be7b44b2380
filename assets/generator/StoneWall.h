#pragma once

#include "HeightField.h"
#include "Noise.h"
#include "Shading.h"

#include <QImage>
#include <QRectF>
#include <cstdint>
#include <vector>

namespace artwork {

// A wall of rough grey blocks laid in courses, carved in relief and lit from the top left:
// the ground behind the title lettering.
class StoneWall
{
public:
    // The layout of the blocks is fixed by the seed, in logical pixels.
    StoneWall(QSizeF logicalSize, std::uint32_t seed);

    // The wall at the given scale (1 for ordinary screens, 2 for high-density ones).
    QImage draw(int scale) const;

private:
    struct Block
    {
        QRectF cell; // the block with its share of the mortar joint
        Rgbf tone;
        float grainShift;
    };

    void layCourses(std::uint32_t seed);
    void carveBlock(const Block& block, int scale, HeightField& height,
                    std::vector<Rgbf>& albedo) const;
    float edgeDistance(const Block& block, float x, float y) const;

    QSizeF size_;
    Noise noise_;
    std::vector<Block> blocks_;
};

} // namespace artwork
