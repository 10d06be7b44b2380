#include "platform/screenreader/Notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

namespace platform {

namespace {

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Notice*>(widget())->news();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* noticeInterface(const QString&, QObject* object)
{
    auto* notice = qobject_cast<Notice*>(object);
    return notice ? new NoticeAccessible(notice) : nullptr;
}

} // namespace

Notice::Notice(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(noticeInterface); });
    hide();
}

// Orca speaks a notification when it comes into view: the notice says it does, with the
// news as its name, and stays hidden.
void Notice::tell(const QString& news)
{
    news_ = news;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace platform
