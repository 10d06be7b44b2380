#include "MoveBench.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

// blinzor_movecost [runs]: measures the game's moments; see MoveBench. Meant to run under
//   valgrind --tool=callgrind --collect-atstart=no
// but runs without it too, counting only allocations and repaints.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 11;
    MoveBench bench(runs > 0 ? runs : 11);
    bench.run();
    std::fflush(stdout);
    return 0;
}
