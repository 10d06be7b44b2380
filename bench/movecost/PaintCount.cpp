#include "PaintCount.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

PaintCount::PaintCount(QWidget* window) : window_(window)
{
    qApp->installEventFilter(this);
}

void PaintCount::start()
{
    before_ = picture(); // drawing the picture paints every widget: not counted
    painted_.clear();
    counting_ = true;
}

void PaintCount::stop()
{
    counting_ = false;
    after_ = picture();
}

QStringList PaintCount::unchanged() const
{
    QStringList names;
    for (auto it = painted_.cbegin(); it != painted_.cend(); ++it) {
        QWidget* w = it.key();
        const QRect area(w->mapTo(window_, QPoint(0, 0)), w->size());
        if (before_.copy(area) == after_.copy(area))
            names << w->objectName();
    }
    names.sort();
    return names;
}

bool PaintCount::eventFilter(QObject* watched, QEvent* event)
{
    if (counting_ && event->type() == QEvent::Paint && watched->isWidgetType())
        ++painted_[static_cast<QWidget*>(watched)];
    return false;
}

QImage PaintCount::picture() const
{
    return window_->grab().toImage();
}
