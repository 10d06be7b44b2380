#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <array>

class QLabel;

// The floor the game is measured against: a bare Qt window of the game's size with the
// same kinds and numbers of controls - the menu bar, 100 bordered labels in the game's
// caption font, the frame with three options and the title picture - and no game at all.
// Two timers tick at 50 and 200 ms like the game's two life-long timers. They do nothing,
// unless the window is asked to swap a small picture on every 200 ms tick: that is the
// least any animation over the title can cost.
class FloorWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class Ticks
    {
        NoOp,
        SwapPicture
    };

    explicit FloorWindow(Ticks ticks);

private:
    void addLabels(QWidget* client);
    void addSizeFrame(QWidget* client);
    void addPicture(QWidget* client);
    void addMenus();
    void addTimers(Ticks ticks);
    void swapPicture();

    QLabel* swapped_ = nullptr;
    std::array<QPixmap, 2> frames_;
    int shown_ = 0;
};
