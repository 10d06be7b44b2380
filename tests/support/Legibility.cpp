#include "Legibility.h"

#include "platform/runtime/Label.h"
#include "rules/standins/Contrast.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <cmath>

namespace {

rules::Rgb rgbOf(QRgb p)
{
    return {qRed(p), qGreen(p), qBlue(p)};
}

QString plainCaption(const QString& text)
{
    QString plain = text;
    return plain.remove(QLatin1Char('&'));
}

QStyleOptionButton buttonOption(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return option;
}

QRect groupTitle(const QGroupBox* frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                          frame);
}

bool showsCaption(const QWidget* w)
{
    if (!w->isVisible())
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty() && label->pixmap().isNull();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return !button->text().isEmpty();
    if (const auto* frame = qobject_cast<const QGroupBox*>(w))
        return !frame->title().isEmpty();
    return false;
}

// Text may reach into the label's single border, never past it.
QString fault(const QString& what, const QSize& needed, const QSize& room)
{
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("%1 needs %2 x %3, has %4 x %5")
        .arg(what)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace

WindowShot::WindowShot(QWidget* window)
    : window_(window), image_(window->grab().toImage().convertToFormat(QImage::Format_RGB32)),
      ratio_(image_.devicePixelRatio())
{}

QRect WindowShot::devicePixels(const QWidget* control, const QRect& area) const
{
    const QRect logical = area.translated(control->mapTo(window_, QPoint()));
    const QRect device(
        QPoint(int(std::ceil(logical.left() * ratio_)), int(std::ceil(logical.top() * ratio_))),
        QPoint(int(std::floor((logical.right() + 1) * ratio_)) - 1,
               int(std::floor((logical.bottom() + 1) * ratio_)) - 1));
    return device.intersected(image_.rect());
}

double WindowShot::contrast(const QWidget* control, const QRect& area) const
{
    const QRect pixels = devicePixels(control, area);
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[image_.pixel(x, y)];
    QRgb back = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            back = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, rules::contrastRatio(rgbOf(back), rgbOf(it.key())));
    return best;
}

double WindowShot::contrast(const QWidget* control, const QRect& area, QPoint backAt) const
{
    const QRect at = devicePixels(control, QRect(backAt, QSize(1, 1)));
    const rules::Rgb back = rgbOf(image_.pixel(at.topLeft()));
    const QRect pixels = devicePixels(control, area);
    double best = 1.0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            best = std::max(best, rules::contrastRatio(back, rgbOf(image_.pixel(x, y))));
    return best;
}

QList<QWidget*> captionedControls(QWidget* window)
{
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (showsCaption(w))
            shown.append(w);
    }
    return shown;
}

QString captionOf(const QWidget* control)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return control->property("text").toString();
}

QRect captionArea(const QWidget* control)
{
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        const QStyleOptionButton o = buttonOption(option);
        return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, option);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QStyleOptionButton o = buttonOption(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &o, button);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return groupTitle(frame);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->contentsRect();
    return control->rect();
}

QString captionFitFault(const QWidget* control)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->wordWrap())
            return fault(
                QStringLiteral("wrapped text"),
                QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width())),
                label->size());
        const QSize text = metrics.size(Qt::TextSingleLine, label->text());
        return fault(QStringLiteral("caption"), text, label->contentsRect().size());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QSize text(metrics.horizontalAdvance(plainCaption(button->text())), metrics.height());
        // The text may run over a push button's bevel, but not past its edge.
        const QSize room(captionArea(button).width(), qobject_cast<const QPushButton*>(button)
                                                          ? button->height() - 2
                                                          : button->height());
        return fault(QStringLiteral("caption"), text, room);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        const QRect title = groupTitle(frame);
        const QSize text(metrics.horizontalAdvance(frame->title()), metrics.height());
        if (!frame->rect().contains(title))
            return QStringLiteral("title reaches outside the frame");
        return fault(QStringLiteral("title"), text, title.size());
    }
    return {};
}

QString crowdingFault(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    if (!parent || control->isWindow())
        return {};
    if (!parent->rect().contains(control->geometry()))
        return QStringLiteral("reaches outside %1").arg(parent->objectName());
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == control || !sibling->isVisible() || sibling->isWindow())
            continue;
        // The strength options stand a pixel into one another by design.
        const QRect shared = sibling->geometry() & control->geometry();
        if (shared.width() > 1 && shared.height() > 1)
            return QStringLiteral("runs into %1").arg(sibling->objectName());
    }
    return {};
}

namespace {

// The colour roles in the order a scheme file of qt6ct lists them.
constexpr QPalette::ColorRole SchemeRoles[] = {QPalette::WindowText,     QPalette::Button,
                                               QPalette::Light,          QPalette::Midlight,
                                               QPalette::Dark,           QPalette::Mid,
                                               QPalette::Text,           QPalette::BrightText,
                                               QPalette::ButtonText,     QPalette::Base,
                                               QPalette::Window,         QPalette::Shadow,
                                               QPalette::Highlight,      QPalette::HighlightedText,
                                               QPalette::Link,           QPalette::LinkVisited,
                                               QPalette::AlternateBase,  QPalette::NoRole,
                                               QPalette::ToolTipBase,    QPalette::ToolTipText,
                                               QPalette::PlaceholderText};

QPalette scheme(const QStringList& active, const QStringList& disabled)
{
    QPalette p;
    for (int i = 0; i < int(std::size(SchemeRoles)); ++i) {
        const QColor on = QColor::fromString(active[i]);
        p.setColor(QPalette::Active, SchemeRoles[i], on);
        p.setColor(QPalette::Inactive, SchemeRoles[i], on);
        p.setColor(QPalette::Disabled, SchemeRoles[i], QColor::fromString(disabled[i]));
    }
    return p;
}

} // namespace

QPalette darkerPalette()
{
    const QStringList active =
        QStringLiteral("#ffffffff #ff424245 #ff979797 #ff5e5c5b #ff302f2e #ff4a4947 #ffffffff "
                       "#ffffffff #ffffffff #ff3d3d3d #ff222020 #ffe7e4e0 #ff12608a #fff9f9f9 "
                       "#ff0986d3 #ffa70b06 #ff5c5b5a #ffffffff #ff3f3f36 #ffffffff #80ffffff")
            .split(QLatin1Char(' '));
    QStringList disabled = active;
    for (int i : {0, 6, 8, 13})
        disabled[i] = QStringLiteral("#ff808080");
    return scheme(active, disabled);
}

QPalette highContrastPalette()
{
    QStringList roles(int(std::size(SchemeRoles)), QStringLiteral("#ff000000"));
    for (int i : {0, 2, 6, 7, 8, 13, 19, 20})
        roles[i] = QStringLiteral("#ffffffff");
    roles[3] = roles[5] = QStringLiteral("#ff808080");
    roles[12] = QStringLiteral("#ff00ffff"); // highlight
    roles[14] = roles[15] = QStringLiteral("#ffffff00");
    QStringList disabled = roles;
    for (int i : {0, 6, 8})
        disabled[i] = QStringLiteral("#ff00ff00");
    return scheme(roles, disabled);
}
