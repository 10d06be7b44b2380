#include "TitlePicture.h"

namespace artwork {

namespace {

MetalLettering titleLettering()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(60);
    return MetalLettering({
        MetalLettering::fitText(QStringLiteral("BLIN"), font, QRectF(7, 12, 154, 56)),
        MetalLettering::fitText(QStringLiteral("ZOR"), font, QRectF(14, 82, 142, 56)),
    });
}

} // namespace

TitlePicture::TitlePicture() : wall_(QSizeF(LogicalSize), 1998), lettering_(titleLettering())
{}

QImage TitlePicture::draw(int scale) const
{
    QImage picture = wall_.draw(scale);
    lettering_.paintOnto(picture, scale);
    return picture;
}

} // namespace artwork
