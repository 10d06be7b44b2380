#pragma once

#include "platform/runtime/Colors.h"

#include <QLabel>

namespace platform {

// A label as the game's windows use it: a caption, a back colour that reads back exactly
// as it was set, an optional single border, and a click raised on release over it. A
// hidden or disabled label delivers no clicks. Given a focus policy, it also takes the
// keyboard: Space or Enter clicks it, so the board can be played without a mouse; the arrow
// keys, Home and End are reported for the window to move the focus, and go no further; and
// while it has the focus it shows a solid frame just inside its border.
class Label : public QLabel
{
    Q_OBJECT

public:
    enum class Border
    {
        None,
        FixedSingle
    };

    Label(QWidget* parent, const QString& name, Border border = Border::None);

    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }

    void setBackColor(Color color);
    Color backColor() const { return backColor_; }

signals:
    void clicked();
    void moveKeyPressed(Qt::Key key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int FocusFrameWidth = 2;
    void paintFocusFrame(QPainter& painter);

    Color backColor_ = ButtonFace;
    bool pressed_ = false;
};

// "MS Sans Serif" 12 pt bold, or the toolkit's sans at that size and weight where the
// system lacks it.
QFont boldCaptionFont();

// The windows' default for controls without a font of their own: "MS Sans Serif" 8 pt, or
// the toolkit's sans at that size.
QFont defaultCaptionFont();

} // namespace platform
