#pragma once

#include <QWidget>

namespace platform {

// A notice for screen readers alone: a control that is never shown on the screen and tells
// assistive technology, unasked, a line of news as a notification - the one kind of news a
// screen reader speaks wherever the focus is: Orca speaks it as it comes into view. The
// toolkit has no event that announces text, and Orca passes over a changed name or
// description away from the focus.
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
