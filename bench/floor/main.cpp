#include "FloorWindow.h"

#include <QApplication>

// blinzor_floor [--swap]: the bare window the game is measured against. With --swap its
// 200 ms timer swaps a small picture instead of doing nothing.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool swap = app.arguments().contains(QStringLiteral("--swap"));
    FloorWindow window(swap ? FloorWindow::Ticks::SwapPicture : FloorWindow::Ticks::NoOp);
    window.show();
    return QApplication::exec();
}
