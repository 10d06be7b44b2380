#include "Callgrind.h"

#include <fstream>

CallgrindDump readCallgrindDump(const std::string& path)
{
    std::ifstream in(path);
    CallgrindDump dump;
    const std::string request = "desc: Trigger: Client Request: ";
    const std::string trigger = "desc: Trigger: ";
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(request))
            dump.trigger = line.substr(request.size());
        else if (line.starts_with(trigger))
            dump.trigger = line.substr(trigger.size());
        else if (line.starts_with("summary: "))
            dump.instructions = std::stod(line.substr(9));
        if (!dump.trigger.empty() && dump.instructions >= 0)
            break;
    }
    return dump;
}
