#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace artwork {

// The program's icon: a 3 x 3 corner of the board with the computer's red cell in the middle,
// "BLIN" above it and "ZOR" below, on a small stone plate. The 32-pixel version is placed by
// hand pixel by pixel in 16 colours; the scalable version follows the same layout with smooth
// shapes for large desktop icons.
class IconDesign
{
public:
    static constexpr int Size = 32;

    // The 16 colours of the pixel version; the first stands for see-through pixels.
    static QList<QRgb> colours();

    // Each designed pixel becomes a scale x scale block; pixels off the plate have no alpha.
    QImage pixels(int scale) const;
    QString svg() const;
};

} // namespace artwork
