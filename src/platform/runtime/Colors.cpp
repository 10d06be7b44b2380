#include "platform/runtime/Colors.h"

namespace platform {

QColor toQColor(Color c, const QPalette& palette)
{
    if (isSystemColor(c))
        return palette.color(QPalette::Button); // button face, the one system colour in use
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QColor captionColor(Color back, const QPalette& palette, bool enabled)
{
    const Rgb shown = toRgb(toQColor(back, palette));
    const Rgb text =
        isSystemColor(back)
            ? textColorOn(shown, toRgb(palette.color(QPalette::Active, QPalette::ButtonText)))
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
