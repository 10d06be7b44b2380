#pragma once

#include <QAccessibleWidget>

namespace platform {

class Label;

// A label as assistive technology hears it. Its name says what the label is (the window
// that places it gives that as the widget's accessible name) and then what it shows, such
// as "Score of player 1: 12"; a label without a name of its own is just its caption. A
// label that takes the keyboard acts as a button: pressing it clicks it.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label* label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

protected:
    Label* label() const;

private:
    bool takesKeyboard() const;
};

} // namespace platform
