#pragma once

#include "Stats.h"

#include <map>
#include <string>
#include <vector>

// The harness blinzor_movecost run once under callgrind: for every moment it measured, the
// instructions and allocations of each run, the repaint counts, and where the allocations
// of its unmeasured run came from.
class MoveCost
{
public:
    struct Moment
    {
        std::vector<double> instructions;
        std::vector<double> allocations;
        std::vector<double> repainted;
        std::vector<double> unchanged;
        std::vector<std::string> unchangedNames;
        std::map<std::string, int> allocationSites; // call chain -> count

        // Of the traced run's allocations, those made by Qt to schedule a repaint or to move
        // the window, which every widget program pays for what it changes on the screen, and
        // the others.
        int requestAllocations() const;
        int otherAllocations() const;
    };

    // Runs the harness; false (with the reason in error()) if it could not.
    bool run(const std::string& harness, int runs, const std::string& workDir);
    // Reads what a run left: the harness's standard output and callgrind's dumps.
    void read(const std::string& harnessOutput, const std::string& dumpDir);
    const std::string& error() const { return error_; }

    const Moment& operator[](const std::string& name) const;

private:
    void readHarnessOutput(const std::string& path);
    void readDumps(const std::string& dir);

    std::map<std::string, Moment> moments_;
    std::string error_;
};
