#include "Bench.h"

// blinzor_bench: measures the game against its floor and prints one table. bench/run
// builds everything, starts Xvfb and calls this with the paths; see Options for the flags.
int main(int argc, char* argv[])
{
    Bench bench(Options::parse(argc, argv));
    return bench.run();
}
