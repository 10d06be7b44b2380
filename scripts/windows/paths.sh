# Where the Windows build keeps what it reuses: Qt built for Windows, and Wine's prefix.
# Source it; it runs nothing itself.
BLINZOR_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/blinzor
QT_WIN=$BLINZOR_CACHE/qt-6.4.2-mingw64
export BLINZOR_CACHE QT_WIN
