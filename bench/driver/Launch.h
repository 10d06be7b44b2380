#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// One program under test, started the way a person would start it, with the first-frame
// library preloaded. Its output goes to a log file.
struct Program
{
    std::string name; // as the table shows it
    std::string path;
    std::vector<std::string> args;
};

// The environment a program under test starts with: `inherited` (NAME=VALUE entries) with
// `changes` applied in order. A change NAME=VALUE sets the variable, replacing an inherited
// one of that name; a bare NAME takes the variable away.
std::vector<std::string> environmentWith(std::vector<std::string> inherited,
                                         const std::vector<std::string>& changes);

// A running program under test: started by the constructor, killed by stop() or, failing
// that, by the destructor.
class Launch
{
public:
    // env: changes to this process's environment for the program, as environmentWith()
    // takes them.
    Launch(const Program& program, const std::vector<std::string>& env, const std::string& shim,
           const std::string& log);
    ~Launch();
    Launch(const Launch&) = delete;
    Launch& operator=(const Launch&) = delete;

    pid_t pid() const { return pid_; }

    // Waits until the program has flushed its first frame; false if it did not within the
    // time or died first.
    bool waitForFrame(int timeoutMs);

    // From exec to the first frame, and from exec to the moment every library was loaded.
    double startupMs() const { return double(frameNs_ - execNs_) / 1e6; }
    double loadingMs() const { return double(loadedNs_ - execNs_) / 1e6; }

    // Kills the program and returns its peak resident memory in KiB.
    long stop();

private:
    void readReport(const std::string& line);

    pid_t pid_ = -1;
    int reportFd_ = -1;
    std::string pending_;
    long long execNs_ = 0;
    long long loadedNs_ = 0;
    long long frameNs_ = 0;
};
