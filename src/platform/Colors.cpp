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

// The role of the text the desktop draws on a system colour's role.
QPalette::ColorRole textRoleOn(QPalette::ColorRole back)
{
    switch (back) {
    case QPalette::Base:
        return QPalette::Text;
    case QPalette::Highlight:
        return QPalette::HighlightedText;
    default:
        return QPalette::ButtonText;
    }
}

} // namespace

QColor toQColor(Color c, const QPalette& palette)
{
    if (isSystemColor(c))
        return palette.color(systemRole(c));
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QColor captionColor(Color back, const QPalette& palette, bool enabled)
{
    const Rgb shown = toRgb(toQColor(back, palette));
    const Rgb text =
        isSystemColor(back)
            ? textColorOn(shown,
                          toRgb(palette.color(QPalette::Active, textRoleOn(systemRole(back)))))
            : textColorOn(shown);
    return toQColor(enabled ? text : fadedTowards(text, shown, DisabledContrast));
}

Rgb toRgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace platform
