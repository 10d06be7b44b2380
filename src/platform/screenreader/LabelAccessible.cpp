#include "platform/screenreader/LabelAccessible.h"

#include "platform/runtime/Label.h"

namespace platform {

LabelAccessible::LabelAccessible(Label* label) : QAccessibleWidget(label)
{}

Label* LabelAccessible::label() const
{
    return static_cast<Label*>(widget());
}

// Asked each time rather than fixed at creation: the focus policy is set after the label
// is made, and an active screen reader may ask about the label before that.
bool LabelAccessible::takesKeyboard() const
{
    return (widget()->focusPolicy() & Qt::TabFocus) != 0;
}

QAccessible::Role LabelAccessible::role() const
{
    return takesKeyboard() ? QAccessible::Button : QAccessible::StaticText;
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const QString what = widget()->accessibleName();
    QString shown = label()->caption(); // not const: returned alone, it is moved out
    if (what.isEmpty())
        return shown;
    return shown.isEmpty() ? what : what + QStringLiteral(": ") + shown;
}

QStringList LabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (takesKeyboard())
        names.prepend(pressAction());
    return names;
}

void LabelAccessible::doAction(const QString& action)
{
    // Like a mouse click, a press reaches only a label that is shown and enabled.
    if (action == pressAction() && takesKeyboard()) {
        if (widget()->isVisible() && widget()->isEnabled())
            emit label()->clicked();
        return;
    }
    QAccessibleWidget::doAction(action);
}

} // namespace platform
