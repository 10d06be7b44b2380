#include "platform/Colors.h"

namespace platform {

namespace {

// System colour numbers and the palette roles that stand for them here.
QPalette::ColorRole systemRole(Color c)
{
    switch (c & 0xFFu) {
    case 5: // window background
        return QPalette::Base;
    case 8:  // window text
    case 18: // button text
        return QPalette::ButtonText;
    case 13: // highlight
        return QPalette::Highlight;
    case 15: // button face
    default:
        return QPalette::Button;
    }
}

} // namespace

QColor toQColor(Color c, const QPalette& palette)
{
    if (isSystemColor(c))
        return palette.color(systemRole(c));
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace platform
