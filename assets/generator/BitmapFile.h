#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace artwork {

// The bytes of Windows bitmap and icon files, written by hand because the strips need an
// 8-bit file with a full 256-entry palette and the icon a 16-colour one, which Qt's own
// writers do not produce.
class BitmapFile
{
public:
    // 24 bits per pixel.
    static QByteArray trueColour(const QImage& image);
    // 8 bits per pixel with a 256-entry palette; every pixel's colour must be in the table.
    static QByteArray paletted(const QImage& image, const QList<QRgb>& table);
    // A 16-colour icon; pixels with no alpha are see-through.
    static QByteArray icon(const QImage& image, const QList<QRgb>& table);
};

} // namespace artwork
