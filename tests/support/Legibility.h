#pragma once

#include <QImage>
#include <QList>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// What a mark that is not text - a disabled caption, an option's dot - needs against what
// lies behind it.
inline constexpr double MarkContrast = 3.0;

// What a player can read of a window: grabbed once, each caption's contrast is measured from
// the pixels it was drawn with, and each caption's fit from its font's measure.
class WindowShot
{
public:
    explicit WindowShot(QWidget* window);

    // The contrast between the most common colour within `area` (logical pixels of
    // `control`), the caption's back, and the pixel there that stands out most from it.
    double contrast(const QWidget* control, const QRect& area) const;
    // The same against the back colour shown at `backAt` of `control`.
    double contrast(const QWidget* control, const QRect& area, QPoint backAt) const;

    const QImage& image() const { return image_; }

private:
    QRect devicePixels(const QWidget* control, const QRect& area) const;

    QWidget* window_;
    QImage image_;
    qreal ratio_;
};

// Every control of the window that shows a caption now, in the order they were made: labels
// with a caption, buttons, titled frames.
QList<QWidget*> captionedControls(QWidget* window);

// The caption itself.
QString captionOf(const QWidget* control);

// Where the caption of one of those controls is drawn, in its own logical pixels.
QRect captionArea(const QWidget* control);

// Why the caption does not fit its control at the control's font, or empty if it does.
QString captionFitFault(const QWidget* control);

// A control that has grown for its caption must still lie within its parent and clear of its
// visible siblings: the description of where it runs into, or empty.
QString crowdingFault(const QWidget* control);

// A dark scheme as a desktop hands it out (the "darker" colours of qt6ct), and a
// high-contrast one: white text on black.
QPalette darkerPalette();
QPalette highContrastPalette();
