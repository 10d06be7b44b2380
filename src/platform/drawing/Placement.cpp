#include "platform/drawing/Placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {

// The start of a span of `length` that begins at `start` if it can, yet lies within the
// room as far as it fits; one longer than the room begins where the room does.
int keptWithin(int start, int length, int roomStart, int roomLength)
{
    return std::max(roomStart, std::min(start, roomStart + roomLength - length));
}

} // namespace

QPoint centredWithin(const QRect& over, const QSize& size, const QRect& room)
{
    QRect frame(QPoint(), size);
    frame.moveCenter(over.center());
    return {keptWithin(frame.x(), frame.width(), room.x(), room.width()),
            keptWithin(frame.y(), frame.height(), room.y(), room.height())};
}

QPoint centredOnOwner(const QWidget& owner, const QSize& clientSize)
{
    const QRect ownerFrame = owner.frameGeometry();
    const QScreen* screen = owner.screen();
    return centredWithin(ownerFrame, clientSize + ownerFrame.size() - owner.size(),
                         screen ? screen->availableGeometry() : ownerFrame);
}

} // namespace platform
