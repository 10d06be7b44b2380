#include "platform/Image.h"

#include <QPainter>

namespace platform {

Image::Image(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Image::setPicture(const QPixmap* picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (!picture_)
        return;
    QPainter painter(this);
    // A double-density picture on a screen of another density is scaled: smoothly, not by
    // dropping pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, *picture_);
}

} // namespace platform
