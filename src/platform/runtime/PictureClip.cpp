#include "platform/runtime/PictureClip.h"

#include "platform/drawing/SharpPicture.h"

namespace platform {

PictureClip::PictureClip(const QString& resource)
{
    // Cut in the strip's own pixels: a double-density strip has twice as many in each cell.
    const QPixmap strip = sharpPicture(resource);
    const int w = strip.width() / Cols;
    for (int n = 0; n < Cols; ++n)
        cells_[std::size_t(n)] = strip.copy(n * w, 0, w, strip.height());
}

} // namespace platform
