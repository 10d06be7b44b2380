#include "platform/runtime/Label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace platform {

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
    QPainter painter(this);
    // A system colour is looked up now, so it follows the desktop's colours.
    painter.fillRect(event->rect(), toQColor(backColor_, palette()));
    drawFrame(&painter);
    // The caption takes a colour that reads on the back colour, whatever colour the desktop
    // gives its text; a disabled one fades but stays readable. A red cell is the computer's
    // pick, there to be read while the rest of the board is closed: it does not fade.
    painter.setPen(captionColor(backColor_, palette(), isEnabled() || backColor_ == Red));
    painter.drawText(contentsRect(), int(alignment()), text());
    if (hasFocus())
        paintFocusFrame(painter);
}

// A ring two pixels wide just inside the border, with a pixel of the back colour on either
// side of it: the cell's colour still shows round the caption, which the ring clears at
// the label's size.
void Label::paintFocusFrame(QPainter& painter)
{
    const QRect outer = contentsRect().adjusted(1, 1, -1, -1);
    const QRect inner =
        outer.adjusted(FocusFrameWidth, FocusFrameWidth, -FocusFrameWidth, -FocusFrameWidth);
    painter.setClipRegion(QRegion(outer).subtracted(inner));
    painter.fillRect(outer, toQColor(rules::textColorOn(toRgb(toQColor(backColor_, palette())))));
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
