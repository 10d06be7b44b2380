#include "AccessibilityListener.h"

#include "platform/runtime/Label.h"
#include "platform/screenreader/Notice.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QList<AccessibilityListener::Heard>* heard = nullptr;

// The toolkit drops its events unless assistive technology is listening, which no test
// platform reports; the platform's switch for that is not public.
void setListening(bool on)
{
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(on);
}

} // namespace

AccessibilityListener::AccessibilityListener()
    : previous_(QAccessible::installUpdateHandler(&AccessibilityListener::hear)),
      wasActive_(QAccessible::isActive())
{
    heard = &events_;
    setListening(true);
}

AccessibilityListener::~AccessibilityListener()
{
    setListening(wasActive_);
    QAccessible::installUpdateHandler(previous_);
    heard = nullptr;
}

QList<AccessibilityListener::Heard> AccessibilityListener::about(QObject* label,
                                                                 QAccessible::Event type) const
{
    QList<Heard> found;
    for (const Heard& h : events_)
        if (h.label == label && h.type == type)
            found.append(h);
    return found;
}

void AccessibilityListener::hear(QAccessibleEvent* event)
{
    if (!heard || !(qobject_cast<platform::Label*>(event->object()) ||
                    qobject_cast<platform::Notice*>(event->object())))
        return;
    QAccessibleInterface* spoken = event->accessibleInterface();
    heard->append({event->type(), event->object(), spoken->text(QAccessible::Name),
                   spoken->text(QAccessible::Description)});
}
