#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QStringList>

class QWidget;

// Which widgets of a window repaint, and whether what they show has changed. The paint
// events are counted by an event filter on the application; a widget's look is its place
// in a picture of the whole window taken before and after.
class PaintCount : public QObject
{
    Q_OBJECT

public:
    explicit PaintCount(QWidget* window);

    // Takes the "before" picture and starts counting.
    void start();
    // Stops counting and takes the "after" picture.
    void stop();

    int repainted() const { return int(painted_.size()); }
    // The widgets that repainted although the screen under them shows the same as before.
    QStringList unchanged() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage picture() const;

    QWidget* window_;
    bool counting_ = false;
    QHash<QWidget*, int> painted_;
    QImage before_;
    QImage after_;
};
