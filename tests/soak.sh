#!/usr/bin/env bash
# The long soak (tests/test_soak.cpp): random events over many seeds and whole games against
# the computer at every strength, with the game's rules checked after every event. Builds
# the Debug tree that ./dev test uses, so that assertions are on, and prints the events per
# second and the memory the process held at the start and at the end.
#   tests/soak.sh        100 seeds of 2500 random events, 1000 games at each strength
# Other amounts: BLINZOR_SOAK_SEEDS, BLINZOR_SOAK_EVENTS (per seed), BLINZOR_SOAK_GAMES.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build/debug}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target test_soak >/dev/null

export BLINZOR_SOAK=1 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/blinzor-test-runtime
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
# Each part runs for minutes, beyond Qt Test's usual limit for one test function.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-7200000}
exec "$BUILD_DIR/tests/test_soak" "$@"
