#include "platform/drawing/FitCaption.h"

#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace platform {

namespace {

// The size a control needs for its whole caption. An option needs room for its text beside
// its ring: the style's own size for it asks for more, and would move the design's options
// even where their text fits.
QSize neededFor(const QWidget* w)
{
    const auto* option = qobject_cast<const QRadioButton*>(w);
    if (!option)
        return w->sizeHint();
    QStyleOptionButton o;
    o.initFrom(option);
    o.text = option->text();
    const QRect room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, option);
    const QFontMetrics metrics = option->fontMetrics();
    return {option->width() - room.width() + metrics.horizontalAdvance(option->text()),
            metrics.height()};
}

} // namespace

void fitCaption(QWidget* w)
{
    const QSize wanted = neededFor(w);
    w->resize(std::max(w->width(), wanted.width()), std::max(w->height(), wanted.height()));
}

} // namespace platform
