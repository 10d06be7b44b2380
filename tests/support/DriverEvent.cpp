#include "DriverEvent.h"

namespace {

const char* tickName(Tick t)
{
    static const char* const names[] = {"Tick::Bliki", "Tick::Dvizen", "Tick::CompHod",
                                        "Tick::Time"};
    return names[int(t)];
}

const char* meanwhileName(Meanwhile m)
{
    static const char* const names[] = {"Meanwhile::BlikiTick", "Meanwhile::DvizenTick",
                                        "Meanwhile::CompHodTick", "Meanwhile::TimeTick",
                                        "Meanwhile::CloseRequest"};
    return names[int(m)];
}

const char* strengthAnswerName(StrengthAnswer a)
{
    static const char* const names[] = {"StrengthAnswer::PickAndOk", "StrengthAnswer::Enter",
                                        "StrengthAnswer::Escape", "StrengthAnswer::CloseBox"};
    return names[int(a)];
}

const char* aboutAnswerName(AboutAnswer a)
{
    static const char* const names[] = {"AboutAnswer::Ok", "AboutAnswer::Enter",
                                        "AboutAnswer::Escape", "AboutAnswer::CloseBox",
                                        "AboutAnswer::SysInfoThenOk"};
    return names[int(a)];
}

std::string factoryCall(const DriverEvent& e)
{
    using Kind = DriverEvent::Kind;
    switch (e.kind) {
    case Kind::Cell:
        return "cell(" + std::to_string(e.index) + ")";
    case Kind::SizeOption:
        return "sizeOption(" + std::to_string(e.index) + ")";
    case Kind::HumansVsOrcs:
        return "humansVsOrcs()";
    case Kind::YouVsMe:
        return std::string("youVsMe(") + strengthAnswerName(e.strengthAnswer) + ", " +
               std::to_string(e.index) + ")";
    case Kind::NewBlinzor:
        return "newBlinzor()";
    case Kind::Help:
        return std::string("help(") + aboutAnswerName(e.aboutAnswer) + ")";
    case Kind::CloseRequest:
        return "closeRequest()";
    case Kind::Exit:
        return "exit()";
    case Kind::MoveWindow:
        return "moveWindow(" + std::to_string(e.index) + ")";
    case Kind::TimerTick:
        return std::string("timerTick(") + tickName(e.tick) + ")";
    }
    return {};
}

} // namespace

DriverEvent DriverEvent::cell(int index)
{
    DriverEvent e;
    e.kind = Kind::Cell;
    e.index = index;
    return e;
}

DriverEvent DriverEvent::sizeOption(int index)
{
    DriverEvent e;
    e.kind = Kind::SizeOption;
    e.index = index;
    return e;
}

DriverEvent DriverEvent::humansVsOrcs()
{
    DriverEvent e;
    e.kind = Kind::HumansVsOrcs;
    return e;
}

DriverEvent DriverEvent::youVsMe(StrengthAnswer answer, int strength)
{
    DriverEvent e;
    e.kind = Kind::YouVsMe;
    e.strengthAnswer = answer;
    e.index = strength;
    return e;
}

DriverEvent DriverEvent::newBlinzor()
{
    DriverEvent e;
    e.kind = Kind::NewBlinzor;
    return e;
}

DriverEvent DriverEvent::help(AboutAnswer answer)
{
    DriverEvent e;
    e.kind = Kind::Help;
    e.aboutAnswer = answer;
    return e;
}

DriverEvent DriverEvent::closeRequest()
{
    DriverEvent e;
    e.kind = Kind::CloseRequest;
    return e;
}

DriverEvent DriverEvent::exit()
{
    DriverEvent e;
    e.kind = Kind::Exit;
    return e;
}

DriverEvent DriverEvent::moveWindow(int place)
{
    DriverEvent e;
    e.kind = Kind::MoveWindow;
    e.index = place;
    return e;
}

DriverEvent DriverEvent::timerTick(Tick tick)
{
    DriverEvent e;
    e.kind = Kind::TimerTick;
    e.tick = tick;
    return e;
}

DriverEvent DriverEvent::withMeanwhile(std::vector<Meanwhile> happenings) const
{
    DriverEvent e = *this;
    e.meanwhile = std::move(happenings);
    return e;
}

std::string DriverEvent::replayLine() const
{
    std::string line = "d.fire(DriverEvent::" + factoryCall(*this);
    if (!meanwhile.empty()) {
        line += ".withMeanwhile({";
        for (std::size_t i = 0; i < meanwhile.size(); ++i)
            line += std::string(i ? ", " : "") + meanwhileName(meanwhile[i]);
        line += "})";
    }
    return line + ");";
}
