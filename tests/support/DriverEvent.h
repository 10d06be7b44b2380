#pragma once

#include <string>
#include <vector>

// The four timers of the main window. The event driver ticks them itself, so that a run
// does not depend on the machine's speed.
enum class Tick
{
    Bliki,
    Dvizen,
    CompHod,
    Time
};

// What may happen while a modal window is open: the timers go on ticking, and the desktop
// may ask the main window to close, as it does when the session ends.
enum class Meanwhile
{
    BlikiTick,
    DvizenTick,
    CompHodTick,
    TimeTick,
    CloseRequest
};

inline Tick tickOf(Meanwhile m)
{
    return Tick(int(m)); // the ticks come first, in the order of Tick
}

// How the strength dialog is closed: a strength option then "OK", Enter on the strength it
// has preselected, Escape, or its close box.
enum class StrengthAnswer
{
    PickAndOk,
    Enter,
    Escape,
    CloseBox
};

// How the About dialog is closed; SysInfoThenOk first asks for the system-information tool.
enum class AboutAnswer
{
    Ok,
    Enter,
    Escape,
    CloseBox,
    SysInfoThenOk
};

// One thing that can happen to the main window: a click on a cell or a size option, a menu
// command, a close request, the player dragging the window or a timer tick. What is listed
// in `meanwhile` happens while the first modal window that the event opens is still open.
struct DriverEvent
{
    enum class Kind
    {
        Cell,
        SizeOption,
        HumansVsOrcs,
        YouVsMe,
        NewBlinzor,
        Help,
        CloseRequest,
        Exit,
        MoveWindow,
        TimerTick
    };

    Kind kind = Kind::TimerTick;
    // The cell (0-99), the size option (0-2), the strength picked (0-3), or where the window
    // is dragged (0-8): a corner, the middle of an edge or the middle of the screen.
    int index = 0;
    Tick tick = Tick::Bliki;
    StrengthAnswer strengthAnswer = StrengthAnswer::Enter;
    AboutAnswer aboutAnswer = AboutAnswer::Ok;
    std::vector<Meanwhile> meanwhile;

    static DriverEvent cell(int index);
    static DriverEvent sizeOption(int index);
    static DriverEvent humansVsOrcs();
    static DriverEvent youVsMe(StrengthAnswer answer, int strength = 0);
    static DriverEvent newBlinzor();
    static DriverEvent help(AboutAnswer answer);
    static DriverEvent closeRequest();
    static DriverEvent exit();
    static DriverEvent moveWindow(int place);
    static DriverEvent timerTick(Tick tick);
    DriverEvent withMeanwhile(std::vector<Meanwhile> happenings) const;

    bool startsAGame() const { return kind == Kind::HumansVsOrcs || kind == Kind::YouVsMe; }

    // The C++ statement that fires this event again through an EventDriver named d.
    std::string replayLine() const;
};
