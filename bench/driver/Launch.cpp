#include "Launch.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> p;
    for (std::string& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

// The child's side: output to the log, the time of exec to the pipe, then exec. Nothing
// here allocates, so it is safe between fork and exec.
[[noreturn]] void becomeProgram(const char* path, char** argv, char** envp, int reportFd,
                                const char* log)
{
    const int out = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (out >= 0) {
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        close(out);
    }
    char line[64];
    const int n = std::snprintf(line, sizeof line, "exec %lld\n", monotonicNs());
    if (write(reportFd, line, std::size_t(n)) == n)
        execve(path, argv, envp);
    _exit(127);
}

std::string nameOf(const std::string& entry)
{
    return entry.substr(0, entry.find('='));
}

} // namespace

std::vector<std::string> environmentWith(std::vector<std::string> inherited,
                                         const std::vector<std::string>& changes)
{
    for (const std::string& change : changes) {
        const std::string name = nameOf(change);
        std::erase_if(inherited, [&name](const std::string& e) { return nameOf(e) == name; });
        if (change.find('=') != std::string::npos)
            inherited.push_back(change);
    }
    return inherited;
}

Launch::Launch(const Program& program, const std::vector<std::string>& env, const std::string& shim,
               const std::string& log)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    // The write end stays open across exec: the preloaded library reports through it.
    const int writeFd = fcntl(fds[1], F_DUPFD, 10);
    close(fds[1]);

    std::vector<std::string> args{program.path};
    args.insert(args.end(), program.args.begin(), program.args.end());
    std::vector<std::string> changes = env;
    changes.push_back("LD_PRELOAD=" + shim);
    changes.push_back("BLINZOR_BENCH_FRAME_FD=" + std::to_string(writeFd));
    std::vector<std::string> inherited;
    for (char** e = environ; *e; ++e)
        inherited.emplace_back(*e);
    std::vector<std::string> environment = environmentWith(std::move(inherited), changes);
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(environment);

    pid_ = fork();
    if (pid_ == 0)
        becomeProgram(program.path.c_str(), argv.data(), envp.data(), writeFd, log.c_str());
    close(writeFd);
    if (pid_ < 0) {
        close(fds[0]);
        throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
    }
    reportFd_ = fds[0];
}

Launch::~Launch()
{
    if (pid_ > 0)
        stop();
    if (reportFd_ >= 0)
        close(reportFd_);
}

bool Launch::waitForFrame(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (frameNs_ == 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{reportFd_, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0)
            return false;
        char buffer[256];
        const ssize_t n = read(reportFd_, buffer, sizeof buffer);
        if (n <= 0)
            return false; // the program has gone without drawing
        pending_.append(buffer, std::size_t(n));
        for (auto eol = pending_.find('\n'); eol != std::string::npos; eol = pending_.find('\n')) {
            readReport(pending_.substr(0, eol));
            pending_.erase(0, eol + 1);
        }
    }
    return true;
}

void Launch::readReport(const std::string& line)
{
    const auto space = line.find(' ');
    if (space == std::string::npos)
        return;
    const std::string event = line.substr(0, space);
    const long long ns = std::stoll(line.substr(space + 1));
    if (event == "exec")
        execNs_ = ns;
    else if (event == "loaded")
        loadedNs_ = ns;
    else if (event == "frame")
        frameNs_ = ns;
}

long Launch::stop()
{
    if (pid_ <= 0)
        return 0;
    kill(pid_, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid_, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return usage.ru_maxrss;
}
