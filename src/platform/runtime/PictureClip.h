#pragma once

#include <QPixmap>
#include <array>

namespace platform {

// One bitmap cut into 1 row of 4 equal cells; cell n (0 to 3, left to right) is handed out
// as a picture. The cells are cut once, so handing one out costs nothing.
class PictureClip
{
public:
    static constexpr int Cols = 4;

    explicit PictureClip(const QString& resource);

    const QPixmap& GraphicCell(int n) const { return cells_.at(std::size_t(n)); }
    // In logical pixels, whatever the density of the strip.
    QSize cellSize() const { return cells_[0].deviceIndependentSize().toSize(); }

private:
    std::array<QPixmap, Cols> cells_;
};

} // namespace platform
