#pragma once

#include <QProxyStyle>

class QGroupBox;

namespace platform {

// A titled frame and its options drawn the same on every desktop and colour scheme: the
// frame's etched border runs through the middle of its caption, and each option shows a ring
// in the caption's colour, with a dot in it when it is selected. The desktop's own style
// would draw the border under the caption, where the design's first option already sits, and
// may fill an option's ring with its own dark back on the frame's light grey.
class FrameStyle : public QProxyStyle
{
public:
    // Draws `frame` and the options in it this way from now on.
    static void apply(QGroupBox* frame);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    using QProxyStyle::QProxyStyle;

    static FrameStyle* overApplicationStyle();
    bool drawsOwnWay(const QWidget* widget) const;
};

} // namespace platform
