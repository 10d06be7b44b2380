#include "platform/drawing/FrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace platform {

namespace {

// The caption starts a little in from the frame's left edge, with a gap either side of it
// in the border.
constexpr int CaptionIndent = 6;
constexpr int CaptionGap = 2;

// The two lines of an etched border: a dark one with a light one just below and right of it.
const QColor EtchDark(128, 128, 128);
const QColor EtchLight(255, 255, 255);

} // namespace

void FrameStyle::apply(QGroupBox* frame)
{
    FrameStyle* style = overApplicationStyle();
    frame->setStyle(style);
    for (QRadioButton* option : frame->findChildren<QRadioButton*>())
        option->setStyle(style);
}

FrameStyle* FrameStyle::overApplicationStyle()
{
    // The application's own style underneath, so that the options keep its sizes and look:
    // a second style of its kind would cost the first frame its making. Laid over it, this
    // style takes it as its child and is asked by it for what it draws of its own parts;
    // every window of the game shares the one.
    QStyle* application = QApplication::style();
    if (auto* shared = dynamic_cast<FrameStyle*>(application->parent()))
        return shared;
    auto* style = new FrameStyle(application);
    style->setParent(qApp);
    return style;
}

bool FrameStyle::drawsOwnWay(const QWidget* widget) const
{
    // The application's style asks here for every widget's parts: only the frame and its
    // options are drawn this way, the rest as that style draws them.
    return widget && widget->style() == this;
}

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl part, const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !frame || !drawsOwnWay(widget))
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QFontMetrics metrics = frame->fontMetrics;
    const QRect caption(CaptionIndent, 0, metrics.horizontalAdvance(frame->text) + 2 * CaptionGap,
                        metrics.height());
    const QRect border = frame->rect.adjusted(0, caption.center().y(), 0, 0);
    switch (part) {
    case SC_GroupBoxLabel:
        return frame->text.isEmpty() ? QRect() : caption;
    case SC_GroupBoxFrame:
        return border;
    case SC_GroupBoxContents:
        return border.adjusted(2, caption.height() - caption.center().y(), -2, -2);
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !frame || !drawsOwnWay(widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    const QRect border = subControlRect(control, option, SC_GroupBoxFrame, widget);
    painter->setPen(EtchDark);
    painter->drawRect(border.adjusted(0, 0, -2, -2));
    painter->setPen(EtchLight);
    painter->drawRect(border.adjusted(1, 1, -1, -1));
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    if (!caption.isEmpty()) {
        painter->fillRect(caption, frame->palette.window());
        painter->setPen(frame->palette.color(QPalette::WindowText));
        painter->drawText(caption, Qt::AlignCenter, frame->text);
    }
    painter->restore();
}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element != PE_IndicatorRadioButton || !drawsOwnWay(widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Ring and dot in the caption's colour, which reads on the frame's grey; inside the ring
    // the grey shows through.
    const QColor ink = option->palette.color(QPalette::WindowText);
    const qreal side = std::min(option->rect.width(), option->rect.height());
    const qreal line = std::max(1.0, side / 12);
    const QPointF centre = QRectF(option->rect).center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ink, line));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(centre, (side - line) / 2, (side - line) / 2);
    if (option->state & State_On) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        painter->drawEllipse(centre, side / 4, side / 4);
    }
    painter->restore();
}

} // namespace platform
