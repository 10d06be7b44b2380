#pragma once

#include <QWidget>

namespace platform {

// An image control: shows a picture from its top-left corner, or nothing at all, in which
// case whatever lies beneath shows through. It may contain other controls; an image
// inside another shows, where it has no picture, the part of the outer one it covers.
class Image : public QWidget
{
    Q_OBJECT

public:
    Image(QWidget* parent, const QString& name);

    // The picture is not copied: it must outlive the image or be replaced first.
    void setPicture(const QPixmap* picture);
    const QPixmap* picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap* backdrop() const;
    void updateOpacity();
    void draw(const QPixmap& picture, QPoint at);

    const QPixmap* picture_ = nullptr;
};

} // namespace platform
