#include "Options.h"

#include <cstdlib>
#include <iostream>
#include <map>
#include <string_view>

namespace {

[[noreturn]] void usage(const std::string& problem)
{
    std::cerr << "blinzor_bench: " << problem << "\n"
              << "usage: blinzor_bench --game PATH --floor PATH --shim PATH --movecost PATH\n"
                 "         --drive PATH --work-dir DIR --display :N --xserver-pid PID\n"
                 "         [--runs N] [--idle-seconds S] [--settle-ms MS] [--hold-ms MS]\n"
                 "         [--only startup|idle|moves]\n";
    std::exit(2);
}

int positive(const std::string& name, const std::string& value)
{
    const int n = std::atoi(value.c_str());
    if (n <= 0)
        usage(name + " needs a positive number");
    return n;
}

} // namespace

Options Options::parse(int argc, char* argv[])
{
    Options o;
    const std::map<std::string_view, std::string*> paths = {
        {"--game", &o.game},         {"--floor", &o.floor}, {"--shim", &o.shim},
        {"--movecost", &o.movecost}, {"--drive", &o.drive}, {"--work-dir", &o.workDir},
        {"--display", &o.display}};
    const std::map<std::string_view, int*> numbers = {{"--runs", &o.runs},
                                                      {"--idle-seconds", &o.idleSeconds},
                                                      {"--settle-ms", &o.settleMs},
                                                      {"--hold-ms", &o.holdMs}};
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc)
            usage(name + " needs a value");
        const std::string value = argv[i + 1];
        if (const auto p = paths.find(name); p != paths.end()) {
            *p->second = value;
        } else if (const auto n = numbers.find(name); n != numbers.end()) {
            *n->second = positive(name, value);
        } else if (name == "--xserver-pid") {
            o.xserver = positive(name, value);
        } else if (name == "--only") {
            o.startup = value == "startup";
            o.idle = value == "idle";
            o.moves = value == "moves";
            if (!o.startup && !o.idle && !o.moves)
                usage("--only takes startup, idle or moves");
        } else {
            usage("unknown option " + name);
        }
    }
    if (o.game.empty() || o.floor.empty() || o.shim.empty() || o.movecost.empty() ||
        o.workDir.empty() || o.display.empty())
        usage("--game, --floor, --shim, --movecost, --work-dir and --display are needed");
    return o;
}
