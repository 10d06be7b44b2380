#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// The top-left corner for a window frame of `size` centred on `over`, moved as far as needed
// to lie within `room`, the screen's free area. A window larger than that area keeps its
// top-left corner on it, so that its title bar and menus stay within reach.
QPoint centredWithin(const QRect& over, const QSize& size, const QRect& room);

// Where a dialog with a client area of `clientSize` goes so that its frame is centred on its
// owner's, taking its window decorations to be like the owner's, yet on the owner's screen.
QPoint centredOnOwner(const QWidget& owner, const QSize& clientSize);

} // namespace platform
