#include "platform/runtime/Image.h"

#include <QPainter>

namespace platform {

Image::Image(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    updateOpacity();
}

void Image::setPicture(const QPixmap* picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    updateOpacity();
    for (Image* over : findChildren<Image*>(Qt::FindDirectChildrenOnly))
        over->updateOpacity();
    update();
}

const QPixmap* Image::backdrop() const
{
    const auto* beneath = qobject_cast<const Image*>(parentWidget());
    return beneath ? beneath->picture_ : nullptr;
}

// An image that paints every pixel it covers is opaque, so nothing beneath it is drawn
// first. A glint stays opaque whether it shows a frame or the title: were its opacity to
// follow its frames, the window would work out again which areas its hundred-odd controls
// cover each time a glint came or went.
void Image::updateOpacity()
{
    setAttribute(Qt::WA_OpaquePaintEvent, picture_ || backdrop());
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_)
        draw(*picture_, QPoint(0, 0));
    else if (const QPixmap* beneath = backdrop())
        draw(*beneath, -pos());
}

void Image::draw(const QPixmap& picture, QPoint at)
{
    QPainter painter(this);
    // A double-density picture on a screen of another density is scaled: smoothly, not by
    // dropping pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          picture.devicePixelRatio() != devicePixelRatioF());
    painter.drawPixmap(at, picture);
}

} // namespace platform
