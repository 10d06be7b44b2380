#include "platform/PictureClip.h"

namespace platform {

PictureClip::PictureClip(const QString& resource)
{
    const QPixmap strip(resource);
    const int w = strip.width() / Cols;
    for (int n = 0; n < Cols; ++n)
        cells_[std::size_t(n)] = strip.copy(n * w, 0, w, strip.height());
}

} // namespace platform
