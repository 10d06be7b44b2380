#include "FloorWindow.h"

#include <QApplication>
#include <cstring>

namespace {

bool hasArgument(int argc, char* argv[], const char* wanted)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], wanted) == 0)
            return true;
    }
    return false;
}

} // namespace

// blinzor_floor [--swap] [--inline]: the bare window the game is measured against. With
// --swap its 200 ms timer swaps a small picture instead of doing nothing. With --inline it
// sends its frames to the X server inside the requests, as the game does, rather than in
// shared memory; the toolkit reads that switch when it connects, so it is set first.
int main(int argc, char* argv[])
{
    if (hasArgument(argc, argv, "--inline"))
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
    QApplication app(argc, argv);
    const bool swap = hasArgument(argc, argv, "--swap");
    FloorWindow window(swap ? FloorWindow::Ticks::SwapPicture : FloorWindow::Ticks::NoOp);
    window.show();
    return QApplication::exec();
}
