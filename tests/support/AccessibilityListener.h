#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

class QObject;

// What a screen reader is told unasked: while alive, the toolkit behaves as it does with
// assistive technology listening, and every event raised by one of the game's labels or its
// notice is kept with what the control said at that moment.
class AccessibilityListener
{
public:
    struct Heard
    {
        QAccessible::Event type;
        QObject* label;
        QString name;
        QString description;
    };

    AccessibilityListener();
    ~AccessibilityListener();
    AccessibilityListener(const AccessibilityListener&) = delete;
    AccessibilityListener& operator=(const AccessibilityListener&) = delete;

    // The events of one kind that one label raised, oldest first.
    QList<Heard> about(QObject* label, QAccessible::Event type) const;

private:
    static void hear(QAccessibleEvent* event);

    QList<Heard> events_;
    QAccessible::UpdateHandler previous_;
    bool wasActive_;
};
