// Preloaded into the program under test (LD_PRELOAD) to tell the benchmark when the
// program's first frame reached the screen. Both the game and the floor program are
// measured through this same door, so neither needs a hook of its own.
//
// Qt Widgets hands every finished frame to QBackingStore::flush(), whatever the platform
// plugin (xcb puts the image on the X server there, offscreen copies it to its screen).
// Interposing that one exported function marks the first frame on both platforms.
//
// The launcher passes a pipe in BLINZOR_BENCH_FRAME_FD and has already written the time
// of exec to it; this library adds the time its constructor ran (all libraries loaded)
// and the time the first flush returned. Times are CLOCK_MONOTONIC nanoseconds.
// With BLINZOR_BENCH_EXIT_AT_FRAME set, the program ends right after its first frame, so
// that callgrind counts exactly the instructions of a start-up.

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

namespace {

int reportFd = -1;
bool frameReported = false;
bool exitAtFrame = false;

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

void report(const char* event)
{
    if (reportFd < 0)
        return;
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%s %lld\n", event, monotonicNs());
    if (write(reportFd, line, std::size_t(n)) != n)
        reportFd = -1; // the launcher has gone; nothing more to tell
}

// Runs once the dynamic loader has mapped and relocated every library. The environment is
// left as it is: under valgrind this library is loaded first into valgrind's own launcher,
// which must hand the preload and the settings on to the program.
__attribute__((constructor)) void arm()
{
    if (const char* fd = std::getenv("BLINZOR_BENCH_FRAME_FD"))
        reportFd = std::atoi(fd);
    exitAtFrame = std::getenv("BLINZOR_BENCH_EXIT_AT_FRAME") != nullptr;
    report("loaded");
}

} // namespace

// Only the mangled name and the calling convention matter: the class is never defined here.
class QRegion;
class QWindow;
class QPoint;
class QBackingStore
{
public:
    void flush(const QRegion& region, QWindow* window, const QPoint& offset);
};

void QBackingStore::flush(const QRegion& region, QWindow* window, const QPoint& offset)
{
    using Flush = void (*)(QBackingStore*, const QRegion&, QWindow*, const QPoint&);
    static const auto real = reinterpret_cast<Flush>(
        dlvsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint", "Qt_6"));
    real(this, region, window, offset);
    if (!frameReported) {
        frameReported = true;
        report("frame");
        if (exitAtFrame)
            _exit(0);
    }
}
