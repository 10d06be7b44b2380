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
    const rules::Rgb shown = toRgb(toQColor(back, palette));
    const rules::Rgb text =
        isSystemColor(back)
            ? rules::textColorOn(shown,
                                 toRgb(palette.color(QPalette::Active, QPalette::ButtonText)))
            : rules::textColorOn(shown);
    return toQColor(enabled ? text : rules::fadedTowards(text, shown, rules::DisabledContrast));
}

rules::Rgb toRgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

QColor toQColor(rules::Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace platform
