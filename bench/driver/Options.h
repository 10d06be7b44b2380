#pragma once

#include <string>
#include <sys/types.h>

// What bench/run hands the driver: where the programs are, the display to use, and how much
// to measure.
struct Options
{
    std::string game;     // the game's executable
    std::string floor;    // the floor program
    std::string shim;     // the first-frame library
    std::string movecost; // the per-move harness
    std::string drive;    // the script that starts a game in a running window
    std::string workDir;  // logs, callgrind dumps, raw samples
    std::string display;  // the Xvfb display, ":N"
    pid_t xserver = 0;    // the Xvfb process, to count its CPU time too
    int runs = 11;
    int idleSeconds = 20;
    int settleMs = 1000; // after the first frame (and the game's start) before idling
    int holdMs = 1000;   // after the first frame before a start-up run is ended
    bool startup = true;
    bool idle = true;
    bool moves = true;

    // Reads --name value pairs; exits with a usage message on anything else.
    static Options parse(int argc, char* argv[]);
};
