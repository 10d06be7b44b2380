#pragma once

#include "MetalLettering.h"
#include "StoneWall.h"

#include <QImage>
#include <QSize>

namespace artwork {

// The title picture of the main window: BLIN over ZOR in metal letters on a stone wall.
// The glints play over the B-L of the top line and the O-R of the bottom line.
class TitlePicture
{
public:
    static constexpr QSize LogicalSize{169, 152};

    TitlePicture();

    // Full colour; the caller reduces the colours for the glint strips.
    QImage draw(int scale) const;

private:
    StoneWall wall_;
    MetalLettering lettering_;
};

} // namespace artwork
