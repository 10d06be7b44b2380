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

DriverEvent of(DriverEvent::Kind kind, int index = 0)
{
    DriverEvent e;
    e.kind = kind;
    e.index = index;
    return e;
}

} // namespace

DriverEvent DriverEvent::cell(int index)
{
    return of(Kind::Cell, index);
}

DriverEvent DriverEvent::sizeOption(int index)
{
    return of(Kind::SizeOption, index);
}

DriverEvent DriverEvent::humansVsOrcs()
{
    return of(Kind::HumansVsOrcs);
}

DriverEvent DriverEvent::youVsMe(StrengthAnswer answer, int strength)
{
    DriverEvent e = of(Kind::YouVsMe, strength);
    e.strengthAnswer = answer;
    return e;
}

DriverEvent DriverEvent::newBlinzor()
{
    return of(Kind::NewBlinzor);
}

DriverEvent DriverEvent::help(AboutAnswer answer)
{
    DriverEvent e = of(Kind::Help);
    e.aboutAnswer = answer;
    return e;
}

DriverEvent DriverEvent::closeRequest()
{
    return of(Kind::CloseRequest);
}

DriverEvent DriverEvent::exit()
{
    return of(Kind::Exit);
}

DriverEvent DriverEvent::moveWindow(int place)
{
    return of(Kind::MoveWindow, place);
}

DriverEvent DriverEvent::timerTick(Tick tick)
{
    DriverEvent e = of(Kind::TimerTick);
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
