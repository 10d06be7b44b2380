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
    // A picture fills the image, so what lies beneath (the title, under a glint) is not
    // drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent, picture != nullptr);
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (!picture_)
        return;
    QPainter painter(this);
    // A double-density picture on a screen of another density is scaled: smoothly, not by
    // dropping pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          picture_->devicePixelRatio() != devicePixelRatioF());
    painter.drawPixmap(0, 0, *picture_);
}

} // namespace platform
