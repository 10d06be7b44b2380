#include "ProcessSample.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace {

long long schedulerCpuNs(const std::filesystem::path& task)
{
    std::ifstream in(task / "schedstat");
    long long ns = 0;
    in >> ns;
    return ns;
}

long long contextSwitches(const std::filesystem::path& task)
{
    std::ifstream in(task / "status");
    long long sum = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("voluntary_ctxt_switches:") ||
            line.starts_with("nonvoluntary_ctxt_switches:"))
            sum += std::stoll(line.substr(line.find(':') + 1));
    }
    return sum;
}

} // namespace

ProcessSample ProcessSample::of(pid_t pid)
{
    ProcessSample s;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        s.cpuNs += schedulerCpuNs(task.path());
        s.switches += contextSwitches(task.path());
    }
    return s;
}
