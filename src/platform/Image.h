#pragma once

#include <QWidget>

namespace platform {

// An image control: shows a picture from its top-left corner, or nothing at all, in which
// case whatever lies beneath shows through. It may contain other controls.
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
    const QPixmap* picture_ = nullptr;
};

} // namespace platform
