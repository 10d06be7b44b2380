#pragma once

#include <QWidget>

namespace platform {

// A notice for screen readers alone: a control that is never shown on the screen and tells
// assistive technology, unasked, a line of news as a notification - the one kind of news a
// screen reader speaks wherever the focus is. The toolkit has no event that announces text,
// and it tells a reader of a changed name or description without the text itself, which
// readers then fail to speak.
class Notice : public QWidget
{
    Q_OBJECT

public:
    Notice(QWidget* parent, const QString& name);

    void tell(const QString& news);
    QString news() const { return news_; }

private:
    QString news_;
};

} // namespace platform
