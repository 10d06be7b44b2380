#include "Bench.h"

#include "Callgrind.h"
#include "ProcessSample.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <thread>

namespace {

const std::string Floor = "floor";
const std::string Game = "blinzor";
// Under Xvfb with no session bus to be found and a home folder that cannot be written: a
// kiosk, a container or a fresh account. D-Bus would start a bus of its own there.
const std::string NoBus = "xcb-no-bus";
// Under Xvfb on a German desktop: the game loads its catalogue and the toolkit's.
const std::string German = "xcb-de";

long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string today()
{
    char text[16];
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%Y-%m-%d", std::localtime(&now));
    return text;
}

} // namespace

Bench::Bench(Options options)
    : o_(std::move(options)), game_{Game, o_.game, {}}, floor_{Floor, o_.floor, {}}
{
    idleCases_ = {
        {Floor, floor_, ""},
        {"floor, picture at 5 Hz", {"floor-swap", o_.floor, {"--swap"}}, ""},
        {"floor, 5 Hz, frames inline", {"floor-swap-inline", o_.floor, {"--swap", "--inline"}}, ""},
        {Game, game_, ""},
        {"blinzor, \"Satan\" game idle", game_, "satan"},
        {"blinzor, game vs computer", game_, "computer"}};
    std::filesystem::create_directories(std::filesystem::path(o_.workDir) / "runtime");
    std::filesystem::permissions(std::filesystem::path(o_.workDir) / "runtime",
                                 std::filesystem::perms::owner_all);
    raw_.open(std::filesystem::path(o_.workDir) / "samples.csv");
    raw_ << "metric,program,value\n";
}

int Bench::run()
{
    if (o_.startup)
        measureStartup();
    if (o_.idle)
        measureIdle();
    if (o_.moves) {
        progress("per-move harness under callgrind");
        if (!moves_.run(o_.movecost, o_.runs, o_.workDir))
            movesError_ = moves_.error();
    }

    Table table;
    if (o_.startup)
        addStartupRows(table);
    if (o_.idle)
        addIdleRows(table);
    if (o_.moves)
        addMoveRows(table);
    std::cout << "\nBlinzor benchmark, " << today() << ": median [min-max] of " << o_.runs
              << " runs each, the programs alternating; ratio = ours / floor (medians)\n\n";
    table.print(std::cout);
    if (o_.moves)
        printAllocationSites(std::cout);
    for (const auto& [program, failed] : failures_)
        std::cout << "\n" << program << ": " << failed << " run(s) failed and are left out";
    if (!movesError_.empty())
        std::cout << "\nper-move harness: " << movesError_;
    std::cout << "\nraw samples and logs: " << o_.workDir << "\n";
    return failures_.empty() && movesError_.empty() ? 0 : 1;
}

// ---- Start-up and peak memory ----

void Bench::measureStartup()
{
    for (const std::string setup : {"xcb", "offscreen", NoBus.c_str()}) {
        progress("start-up, " + setup);
        // One unrecorded run each fills the system's file and font caches for both.
        startupRun(floor_, setup, false);
        startupRun(game_, setup, false);
        for (int run = 0; run < o_.runs; ++run) {
            const bool floorFirst = run % 2 == 0;
            startupRun(floorFirst ? floor_ : game_, setup, true);
            startupRun(floorFirst ? game_ : floor_, setup, true);
            if (setup == "xcb")
                startupRun(game_, German, true); // beside the English game, run for run
        }
    }
    countStartupInstructions();
}

// The same start-ups, offscreen, under callgrind: instructions repeat where times do not,
// so they show what the program does differently however busy the machine is.
void Bench::countStartupInstructions()
{
    constexpr int Runs = 3; // slow under callgrind, and the counts hardly vary
    progress("start-up instructions under callgrind");
    const auto dir = std::filesystem::path(o_.workDir) / "callgrind-startup";
    std::filesystem::create_directories(dir);
    for (int run = 0; run < Runs; ++run) {
        for (const Program* p : {&floor_, &game_}) {
            const std::string out = (dir / (p->name + "." + std::to_string(run))).string();
            // env(1) takes the variables to unset (-u NAME) before those to set.
            std::string unset;
            std::string set = " BLINZOR_BENCH_EXIT_AT_FRAME=1 LD_PRELOAD=" + o_.shim;
            for (const std::string& e : environmentFor("offscreen")) {
                if (e.find('=') == std::string::npos)
                    unset += " -u " + e;
                else
                    set += " " + e;
            }
            std::string command = "env" + unset + set;
            command += " valgrind --tool=callgrind --callgrind-out-file=" + out + " " + p->path +
                       " >>" + logFile() + " 2>&1";
            const bool ran = std::system(command.c_str()) == 0;
            const CallgrindDump dump = readCallgrindDump(out);
            if (ran && dump.instructions > 0)
                record("instructions offscreen", p->name, dump.instructions / 1e6);
            else
                ++failures_[p->name + " under callgrind"];
        }
    }
}

bool Bench::startupRun(const Program& program, const std::string& setup, bool keep)
{
    Launch launch(program, environmentFor(setup), o_.shim, logFile());
    if (!launch.waitForFrame(10000)) {
        if (keep)
            ++failures_[program.name];
        return false;
    }
    sleepMs(o_.holdMs);
    const long peakKiB = launch.stop();
    if (keep) {
        record("startup " + setup, program.name, launch.startupMs());
        record("loading " + setup, program.name, launch.loadingMs());
        record("rss " + setup, program.name, double(peakKiB) / 1024.0);
    }
    return true;
}

// ---- Idle cost ----

void Bench::measureIdle()
{
    for (int run = 0; run < o_.runs; ++run) {
        progress("idle, round " + std::to_string(run + 1) + " of " + std::to_string(o_.runs));
        for (const IdleCase& c : idleCases_) {
            if (!idleRun(c))
                ++failures_[c.name];
        }
    }
}

bool Bench::idleRun(const IdleCase& c)
{
    Launch launch(c.program, environmentFor("xcb"), o_.shim, logFile());
    if (!launch.waitForFrame(10000))
        return false;
    if (!c.drive.empty() && !drive(c.drive, launch.pid()))
        return false;
    sleepMs(o_.settleMs);

    const ProcessSample before = ProcessSample::of(launch.pid());
    const ProcessSample serverBefore = ProcessSample::of(o_.xserver);
    const long long start = monotonicNs();
    sleepMs(o_.idleSeconds * 1000);
    const ProcessSample after = ProcessSample::of(launch.pid());
    const ProcessSample serverAfter = ProcessSample::of(o_.xserver);
    const double seconds = double(monotonicNs() - start) / 1e9;
    launch.stop();

    record("idle cpu", c.name, double(after.cpuNs - before.cpuNs) / 1e7 / seconds);
    record("idle wakeups", c.name, double(after.switches - before.switches) / seconds);
    record("idle xserver", c.name, double(serverAfter.cpuNs - serverBefore.cpuNs) / 1e7 / seconds);
    return true;
}

bool Bench::drive(const std::string& game, pid_t pid) const
{
    const std::string command = "DISPLAY=" + o_.display + " BLINZOR_PID=" + std::to_string(pid) +
                                " " + o_.drive + " " + game + " >>" + logFile() + " 2>&1";
    return std::system(command.c_str()) == 0;
}

// ---- The table ----

void Bench::addStartupRows(Table& table) const
{
    table.section("Start-up: from exec to the first frame flushed, and peak resident memory");
    const auto pair = [this](const std::string& metric) {
        return std::pair{summary(metric, Game), summary(metric, Floor)};
    };
    for (const std::string platform : {"xcb", "offscreen"}) {
        const std::string where = platform == "xcb" ? "Xvfb" : "offscreen";
        const auto [frame, frameFloor] = pair("startup " + platform);
        table.add({"first frame, " + where + " (ms)",
                   frame,
                   frameFloor,
                   {Target::Kind::RatioAtMost, 1.15},
                   1});
        const auto [load, loadFloor] = pair("loading " + platform);
        table.add({"  of which loading libraries (ms)", load, loadFloor, {}, 1});
        if (platform == "xcb") {
            addNoBusRows(table);
            table.add({"first frame, Xvfb, in German, against English (ms)",
                       summary("startup " + German, Game),
                       frame,
                       {Target::Kind::RatioAtMost, 1.05},
                       1});
        }
    }
    const auto [work, workFloor] = pair("instructions offscreen");
    table.add({"  instructions to the first frame (M, callgrind)", work, workFloor, {}, 1});
    for (const std::string platform : {"xcb", "offscreen"}) {
        const std::string where = platform == "xcb" ? "Xvfb" : "offscreen";
        const auto [rss, rssFloor] = pair("rss " + platform);
        table.add(
            {"peak RSS, " + where + " (MiB)", rss, rssFloor, {Target::Kind::RatioAtMost, 1.10}, 1});
    }
}

// The floor waits as long as any Qt program does for a bus that cannot be started; the game
// should open as fast as it does with a session bus.
void Bench::addNoBusRows(Table& table) const
{
    const Summary noBus = summary("startup " + NoBus, Game);
    table.add({"first frame, Xvfb, no bus, HOME unwritable (ms)",
               noBus,
               summary("startup " + NoBus, Floor),
               {},
               1});
    table.add({"  against the game's with a session bus (ms)",
               noBus,
               summary("startup xcb", Game),
               {Target::Kind::RatioAtMost, 1.15},
               1});
}

void Bench::addIdleRows(Table& table) const
{
    table.section("Idle, " + std::to_string(o_.idleSeconds) +
                  " s with the window open under Xvfb (floor: two no-op timers, 50 and 200 ms)");
    const Summary floorCpu = summary("idle cpu", Floor);
    const Summary floorWakeups = summary("idle wakeups", Floor);
    const Summary floorServer = summary("idle xserver", Floor);
    for (const IdleCase& c : idleCases_) {
        if (c.name == Floor)
            continue;
        const bool noGame = c.name == Game;
        const Target cpuTarget = noGame ? Target{Target::Kind::RatioAtMost, 1.5} : Target{};
        const Target wakeupTarget = noGame ? Target{Target::Kind::RatioAtMost, 1.05} : Target{};
        table.add(
            {c.name + ": CPU (% of a core)", summary("idle cpu", c.name), floorCpu, cpuTarget, 3});
        table.add({c.name + ": wakeups (/s)", summary("idle wakeups", c.name), floorWakeups,
                   wakeupTarget, 1});
        table.add({c.name + ": Xvfb's CPU (% of a core)",
                   summary("idle xserver", c.name),
                   floorServer,
                   {},
                   3});
    }
}

void Bench::addMoveRows(Table& table) const
{
    table.section("Per move, 10 x 10 board, offscreen: instructions (callgrind), allocations, "
                  "repaints; reference = the repaint the step causes");
    const auto ir = [this](const std::string& name) {
        return summarize(moves_[name].instructions);
    };
    const auto allocations = [this](const std::string& name) {
        return summarize(moves_[name].allocations);
    };
    const auto one = [](int value) { return summarize({double(value)}); };
    table.add({"kK_Click, one move with its label updates",
               ir("move"),
               ir("move repaint"),
               {Target::Kind::RatioAtMost, 0.10},
               0});
    table.add({"  allocations", allocations("move"), std::nullopt, {}, 0});
    table.add({"repaint caused by one move", ir("move repaint"), std::nullopt, {}, 0});
    table.add({"  widgets repainted", summarize(moves_["move"].repainted), std::nullopt, {}, 0});
    table.add({"  of which look unchanged",
               summarize(moves_["move"].unchanged),
               std::nullopt,
               {Target::Kind::AtMost, 0},
               0});
    for (const std::string strength : {"Easy", "Hard", "God", "Satan"}) {
        const std::string name = "ComputerHod " + strength;
        table.add({name + ", full row", ir(name), ir(name + " repaint"), {}, 0});
        table.add({"  the choice alone", ir("choice only " + strength), std::nullopt, {}, 0});
    }
    table.add({"  widgets repainted by ComputerHod",
               summarize(moves_["ComputerHod Hard"].repainted),
               std::nullopt,
               {},
               0});
    const std::pair<const char*, const char*> ticks[] = {
        {"TimerBliki glints", "TimerBliki tick, both glints change frame"},
        {"TimerBliki idle", "TimerBliki tick, no glint"},
        {"TimerDvizen still", "TimerDvizen tick, no \"Satan\""},
        {"TimerDvizen Satan", "TimerDvizen tick, \"Satan\" shake"},
        {"TimerCompHod", "TimerCompHod tick, counting"},
        {"TimerTime", "TimerTime tick, clock 15 -> 14"}};
    for (const auto& [name, what] : ticks) {
        const MoveCost::Moment& m = moves_[name];
        const Summary repainted = summarize(m.repainted);
        // A tick that changes nothing on the screen has no repaint to compare with.
        const auto repaint =
            repainted.median > 0 ? std::optional(ir(std::string(name) + " repaint")) : std::nullopt;
        table.add({what, ir(name), repaint, {}, 0});
        table.add({"  allocations", allocations(name), std::nullopt, {}, 0});
        table.add({"    outside Qt's repaint and move requests",
                   one(m.otherAllocations()),
                   std::nullopt,
                   {Target::Kind::AtMost, 0},
                   0});
    }
}

void Bench::printAllocationSites(std::ostream& out) const
{
    out << "\nWhere the allocations of the timer ticks come from (innermost caller first):\n";
    for (const char* name : {"TimerBliki glints", "TimerBliki idle", "TimerDvizen still",
                             "TimerDvizen Satan", "TimerCompHod", "TimerTime"}) {
        for (const auto& [chain, count] : moves_[name].allocationSites)
            out << "  " << name << ": " << count << " x " << chain << "\n";
    }
}

// ---- Bookkeeping ----

std::vector<std::string> Bench::environmentFor(const std::string& setup) const
{
    const bool x11 = setup != "offscreen";
    std::vector<std::string> env{std::string("QT_QPA_PLATFORM=") + (x11 ? "xcb" : "offscreen"),
                                 "XDG_RUNTIME_DIR=" +
                                     (std::filesystem::path(o_.workDir) / "runtime").string()};
    if (x11)
        env.push_back("DISPLAY=" + o_.display);
    if (setup == NoBus)
        env.insert(env.end(), {"DBUS_SESSION_BUS_ADDRESS", "HOME=/nonexistent"});
    // English unless German is asked for, whatever the machine's own language.
    env.insert(env.end(), {"LC_ALL", "LC_MESSAGES"});
    if (setup == German)
        env.insert(env.end(), {"LANGUAGE=de", "LANG=de_DE.UTF-8"});
    else
        env.insert(env.end(), {"LANGUAGE", "LANG=C.UTF-8"});
    return env;
}

std::string Bench::logFile() const
{
    return (std::filesystem::path(o_.workDir) / "programs.log").string();
}

void Bench::record(const std::string& metric, const std::string& program, double value)
{
    samples_[metric + "|" + program].push_back(value);
    raw_ << metric << "," << program << "," << value << "\n";
}

Summary Bench::summary(const std::string& metric, const std::string& program) const
{
    const auto it = samples_.find(metric + "|" + program);
    return it == samples_.end() ? Summary{} : summarize(it->second);
}

void Bench::progress(const std::string& text) const
{
    std::cerr << "[bench] " << text << std::endl;
}
