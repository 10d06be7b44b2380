#pragma once

#include "Launch.h"
#include "MoveCost.h"
#include "Options.h"
#include "Table.h"

#include <fstream>
#include <map>
#include <string>
#include <vector>

// The whole benchmark: start-up and peak memory, idle cost, and the per-move harness. The
// game and the floor program are always measured in the same pass, one run of each in
// turn, so that whatever else the machine is doing falls on both alike.
class Bench
{
public:
    explicit Bench(Options options);

    // Measures what the options ask for and prints the table; returns the exit status.
    int run();

private:
    // A program left open without being touched, or after `drive` has started a game in it.
    struct IdleCase
    {
        std::string name;
        Program program;
        std::string drive; // "", "satan" or "computer"
    };

    void measureStartup();
    void countStartupInstructions();
    bool startupRun(const Program& program, const std::string& setup, bool record);
    void measureIdle();
    bool idleRun(const IdleCase& c);
    bool drive(const std::string& game, pid_t pid) const;

    void addStartupRows(Table& table) const;
    void addNoBusRows(Table& table) const;
    void addIdleRows(Table& table) const;
    void addMoveRows(Table& table) const;
    void printAllocationSites(std::ostream& out) const;

    // setup: "xcb", "offscreen" or the start-up case without a session bus.
    std::vector<std::string> environmentFor(const std::string& setup) const;
    std::string logFile() const;
    void record(const std::string& metric, const std::string& program, double value);
    Summary summary(const std::string& metric, const std::string& program) const;
    void progress(const std::string& text) const;

    Options o_;
    Program game_;
    Program floor_;
    std::vector<IdleCase> idleCases_;
    std::map<std::string, std::vector<double>> samples_; // "metric|program" -> runs
    std::map<std::string, int> failures_;                // program -> failed runs
    MoveCost moves_;
    std::string movesError_;
    std::ofstream raw_;
};
