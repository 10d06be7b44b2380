#include "MoveCost.h"

#include "Callgrind.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// "kK_Click repaint#3" -> {"kK_Click repaint", 3}
std::pair<std::string, int> splitRun(const std::string& label)
{
    const auto hash = label.rfind('#');
    if (hash == std::string::npos)
        return {label, -1};
    return {label.substr(0, hash), std::atoi(label.c_str() + hash + 1)};
}

// "<name words...> <run> <numbers...>": the name may hold spaces, so it is everything
// before the first field that is a number.
std::pair<std::string, std::vector<std::string>> splitNamed(const std::string& rest)
{
    std::istringstream words(rest);
    std::string name;
    std::vector<std::string> fields;
    for (std::string w; words >> w;) {
        const bool numeric = !w.empty() && w.find_first_not_of("0123456789-") == std::string::npos;
        if (fields.empty() && !numeric)
            name += (name.empty() ? "" : " ") + w;
        else
            fields.push_back(w);
    }
    return {name, fields};
}

} // namespace

int MoveCost::Moment::requestAllocations() const
{
    int n = 0;
    for (const auto& [chain, count] : allocationSites) {
        for (const char* entry :
             {"QWidgetRepaintManager::markDirty", "QWidgetRepaintManager::sendUpdateRequest",
              "QWindow::setGeometry"}) {
            if (chain.find(entry) != std::string::npos) {
                n += count;
                break;
            }
        }
    }
    return n;
}

int MoveCost::Moment::otherAllocations() const
{
    int n = 0;
    for (const auto& [chain, count] : allocationSites)
        n += count;
    return n - requestAllocations();
}

bool MoveCost::run(const std::string& harness, int runs, const std::string& workDir)
{
    const fs::path dir = fs::path(workDir) / "callgrind";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string output = (dir / "harness.txt").string();
    const std::string command = "valgrind --tool=callgrind --collect-atstart=no "
                                "--callgrind-out-file=" +
                                (dir / "cg.out").string() + " " + harness + " " +
                                std::to_string(runs) + " >" + output + " 2>" +
                                (dir / "valgrind.log").string();
    if (std::system(command.c_str()) != 0) {
        error_ = "the harness failed under callgrind; see " + (dir / "valgrind.log").string();
        return false;
    }
    read(output, dir.string());
    return true;
}

void MoveCost::read(const std::string& harnessOutput, const std::string& dumpDir)
{
    readHarnessOutput(harnessOutput);
    readDumps(dumpDir);
}

const MoveCost::Moment& MoveCost::operator[](const std::string& name) const
{
    static const Moment none;
    const auto it = moments_.find(name);
    return it == moments_.end() ? none : it->second;
}

void MoveCost::readHarnessOutput(const std::string& path)
{
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const auto space = line.find(' ');
        const std::string kind = line.substr(0, space);
        const std::string rest = line.substr(space + 1);
        if (kind == "site") {
            const auto bar = rest.find('|');
            ++moments_[rest.substr(0, bar)].allocationSites[rest.substr(bar + 1)];
            continue;
        }
        const auto [name, fields] = splitNamed(rest);
        Moment& m = moments_[name];
        if (kind == "sample" && fields.size() >= 2) {
            m.allocations.push_back(std::stod(fields[1]));
        } else if (kind == "paints" && fields.size() >= 3) {
            m.repainted.push_back(std::stod(fields[1]));
            m.unchanged.push_back(std::stod(fields[2]));
            if (fields.size() > 3)
                m.unchangedNames.push_back(fields[3]);
        }
    }
}

void MoveCost::readDumps(const std::string& dir)
{
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.path().filename().string().starts_with("cg.out."))
            continue;
        const CallgrindDump dump = readCallgrindDump(entry.path().string());
        const auto [name, run] = splitRun(dump.trigger);
        if (run >= 0 && dump.instructions >= 0)
            moments_[name].instructions.push_back(dump.instructions);
    }
}
