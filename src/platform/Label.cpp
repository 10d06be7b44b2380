#include "platform/Label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace platform {

namespace {

// Relative luminance, as contrast ratios are worked out from it.
double luminance(const QColor& c)
{
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// Black or white, whichever stands out more from `back`: the two contrast equally with a
// luminance of about 0.18.
QColor focusFrameColor(const QColor& back)
{
    return luminance(back) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

Label::Label(QWidget* parent, const QString& name, Border border) : QLabel(parent)
{
    setObjectName(name);
    // The back colour is filled in paintEvent, over the whole label: nothing beneath it
    // needs painting first, and a change of colour is only a repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (border == Border::FixedSingle) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
    }
}

void Label::setBackColor(Color color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    update();
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void Label::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        emit moveKeyPressed(Qt::Key(event->key()));
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void Label::paintEvent(QPaintEvent* event)
{
    {
        // A system colour is looked up now, so it follows the desktop's colours.
        QPainter back(this);
        back.fillRect(event->rect(), toQColor(backColor_, palette()));
    }
    QLabel::paintEvent(event);
    if (hasFocus())
        paintFocusFrame();
}

// A ring two pixels wide just inside the border, with a pixel of the back colour on either
// side of it: the cell's colour still shows round the caption, which the ring clears at
// the label's size.
void Label::paintFocusFrame()
{
    const QRect outer = contentsRect().adjusted(1, 1, -1, -1);
    const QRect inner =
        outer.adjusted(FocusFrameWidth, FocusFrameWidth, -FocusFrameWidth, -FocusFrameWidth);
    QPainter painter(this);
    painter.setClipRegion(QRegion(outer).subtracted(inner));
    painter.fillRect(outer, focusFrameColor(toQColor(backColor_, palette())));
}

namespace {

QFont sansSerif(int pointSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("MS Sans Serif"), pointSize, weight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont boldCaptionFont()
{
    return sansSerif(12, QFont::Bold);
}

QFont defaultCaptionFont()
{
    return sansSerif(8, QFont::Normal);
}

} // namespace platform
