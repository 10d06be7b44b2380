#include "EventDriver.h"

#include "SeenState.h"
#include "platform/runtime/MsgBox.h"
#include "platform/system/Effects.h"
#include "platform/system/Launcher.h"
#include "rules/standins/Random.h"
#include "ui/About.h"
#include "ui/Dravik.h"
#include "ui/Vibor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <array>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

// When the game aborts (a failed assertion, a sanitizer's report), the events that led
// there are written out before the process dies: they are the only way back to the fault.
const std::string* liveLog = nullptr;

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer reports bad memory accesses itself, far better than a bare signal.
constexpr std::array<int, 1> fatalSignals = {SIGABRT};
#elif defined(SIGBUS)
constexpr std::array<int, 4> fatalSignals = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE};
#else
// Windows has no bus error.
constexpr std::array<int, 3> fatalSignals = {SIGABRT, SIGSEGV, SIGFPE};
#endif
// Plain signal() rather than sigaction(), which Windows lacks; both keep the handler set.
using SignalHandler = void (*)(int);
std::array<SignalHandler, fatalSignals.size()> previousHandlers{};

extern "C" void writeLogAndDie(int signal)
{
    static const char header[] = "\nThe game died during these events:\n";
    if (liveLog) {
        [[maybe_unused]] auto a = ::write(STDERR_FILENO, header, sizeof header - 1);
        [[maybe_unused]] auto b = ::write(STDERR_FILENO, liveLog->data(), liveLog->size());
    }
    for (std::size_t i = 0; i < fatalSignals.size(); ++i)
        if (fatalSignals[i] == signal)
            std::signal(signal, previousHandlers[i]);
    std::raise(signal);
}

void catchFatalSignals(const std::string* log)
{
    liveLog = log;
    for (std::size_t i = 0; i < fatalSignals.size(); ++i)
        previousHandlers[i] = std::signal(fatalSignals[i], writeLogAndDie);
}

void releaseFatalSignals()
{
    for (std::size_t i = 0; i < fatalSignals.size(); ++i)
        std::signal(fatalSignals[i], previousHandlers[i]);
    liveLog = nullptr;
}

platform::Timer* timerOf(const Dravik& w, Tick t)
{
    const std::array<platform::Timer*, 4> timers = {w.TimerBliki, w.TimerDvizen, w.TimerCompHod,
                                                    w.TimerTime};
    return timers[std::size_t(t)];
}

void answerStrength(Vibor& dialog, const DriverEvent& e)
{
    switch (e.strengthAnswer) {
    case StrengthAnswer::PickAndOk:
        dialog.obChoise[std::size_t(e.index)]->click();
        dialog.kOK->click();
        break;
    case StrengthAnswer::Enter:
        QTest::keyClick(&dialog, Qt::Key_Return);
        break;
    case StrengthAnswer::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    case StrengthAnswer::CloseBox:
        dialog.close();
        break;
    }
}

void answerAbout(About& dialog, const DriverEvent& e)
{
    switch (e.aboutAnswer) {
    case AboutAnswer::Ok:
        dialog.cmdOK->click();
        break;
    case AboutAnswer::Enter:
        QTest::keyClick(&dialog, Qt::Key_Return);
        break;
    case AboutAnswer::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    case AboutAnswer::CloseBox:
        dialog.close();
        break;
    case AboutAnswer::SysInfoThenOk:
        dialog.cmdSysInfo->click();
        dialog.cmdOK->click();
        break;
    }
}

constexpr std::uint64_t DrawStream = 0x6A09E667F3BCC909ULL;

} // namespace

EventDriver::EventDriver(Dravik& window, std::uint64_t seed)
    : endingAnswer(rules::vbNo), w_(window), seed_(seed), pick_(seed), draws_(seed ^ DrawStream)
{
    // The timers keep running, so that their Enabled flags mean what they mean in play,
    // but only the driver's ticks reach their handlers.
    for (Tick t : {Tick::Bliki, Tick::Dvizen, Tick::CompHod, Tick::Time})
        timerOf(w_, t)->blockSignals(true);
    rules::replaceRnd([this] { return draws_.unit(); });
    platform::replaceMsgBox([this](const QString& prompt, int style, const QString& title) {
        return answerBox(prompt, style, title);
    });
    platform::replaceBeep([] {});
    platform::replaceEndProgram([this] { ++programEnds; });
    platform::replaceFileExists([](const QString&) { return false; });
    platform::replaceStartProgram([](const QString&) { return false; });
    modalShot_.setSingleShot(true);
    modalShot_.setInterval(0);
    QObject::connect(&modalShot_, &QTimer::timeout, [this] { answerModal(); });
    log_ = "EventDriver d(w, " + std::to_string(seed_) + ");\n";
    catchFatalSignals(&log_);

    w_.show();
    if (!QTest::qWaitForWindowExposed(&w_))
        failure_ = QStringLiteral("the window never showed");
}

EventDriver::~EventDriver()
{
    releaseFatalSignals();
    platform::replaceStartProgram({});
    platform::replaceFileExists({});
    platform::replaceEndProgram({});
    platform::replaceBeep({});
    platform::replaceMsgBox({});
    rules::replaceRnd({});
    for (Tick t : {Tick::Bliki, Tick::Dvizen, Tick::CompHod, Tick::Time})
        timerOf(w_, t)->blockSignals(false);
}

bool EventDriver::run(long long count)
{
    for (long long i = 0; i < count; ++i)
        if (!fire(randomEvent()))
            return false;
    return true;
}

bool EventDriver::fire(const DriverEvent& e)
{
    if (failed())
        return false;
    log_ += e.replayLine() + '\n'; // first, so that a crash in the event can still tell it
    ++events_;
    const SeenState before = SeenState::of(w_);
    const int endsBefore = programEnds;
    StepOutcome outcome;
    outcome.expectedOchki = checks::applied(before.Ochki, checks::scoreChange(e, before));
    outcome_ = &outcome;
    current_ = e;
    meanwhile_ = e.meanwhile;
    perform(e);
    modalShot_.stop(); // the event opened no dialog
    meanwhile_.clear();
    outcome_ = nullptr;
    outcome.programEnds = programEnds - endsBefore;

    const SeenState after = SeenState::of(w_);
    if (checks::gameEnded(e, before, after))
        ++gamesEnded_;
    QStringList violations = checks::invariantViolations(after);
    violations << checks::stepViolations(e, before, after, outcome);
    if (!violations.isEmpty())
        noteFailure(violations);
    return !failed();
}

void EventDriver::perform(const DriverEvent& e)
{
    using Kind = DriverEvent::Kind;
    switch (e.kind) {
    case Kind::Cell:
        clickCell(e.index);
        break;
    case Kind::SizeOption:
        w_.ob[std::size_t(e.index)]->click();
        break;
    case Kind::HumansVsOrcs:
        w_.m1vs1->trigger();
        break;
    case Kind::YouVsMe:
        modalShot_.start();
        w_.m1vsC->trigger();
        break;
    case Kind::NewBlinzor:
        w_.mNewGame->trigger();
        break;
    case Kind::Help:
        modalShot_.start();
        w_.mAbout->trigger();
        break;
    case Kind::CloseRequest:
        w_.close();
        break;
    case Kind::Exit:
        w_.mExit->trigger();
        break;
    case Kind::MoveWindow:
        moveWindow(e.index);
        break;
    case Kind::TimerTick:
        tick(e.tick);
        break;
    }
}

// The player drags the window into a corner, against an edge or to the middle of the
// screen, where the "Satan" shake then pushes it against the screen's border.
void EventDriver::moveWindow(int place)
{
    const QScreen* screen = w_.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize room = area.size() - w_.frameGeometry().size();
    w_.move(area.left() + room.width() * (place % 3) / 2,
            area.top() + room.height() * (place / 3) / 2);
}

// The click goes to the window at the cell's place, as the mouse's would: a hidden cell
// lets it through to the window beneath, a disabled one swallows it.
void EventDriver::clickCell(int index)
{
    const platform::Label* cell = w_.kK[std::size_t(index)];
    const QPoint at = cell->mapTo(&w_, cell->rect().center());
    QTest::mouseClick(w_.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

void EventDriver::tick(Tick t)
{
    if (!timerOf(w_, t)->enabled())
        return; // a stopped timer does not tick
    switch (t) {
    case Tick::Bliki:
        w_.TimerBliki_Timer();
        break;
    case Tick::Dvizen:
        w_.TimerDvizen_Timer();
        break;
    case Tick::CompHod:
        w_.TimerCompHod_Timer();
        break;
    case Tick::Time:
        w_.TimerTime_Timer();
        break;
    }
}

// A tick under a modal window may itself play a move or take a point; what it does to the
// scores is worked out from the state at that moment. A close request there is answered
// No like any other.
void EventDriver::happenMeanwhile(Meanwhile m)
{
    if (m == Meanwhile::CloseRequest) {
        ++outcome_->closeRequestsMeanwhile;
        w_.close();
        return;
    }
    const DriverEvent tickEvent = DriverEvent::timerTick(tickOf(m));
    outcome_->expectedOchki =
        checks::applied(outcome_->expectedOchki, checks::scoreChange(tickEvent, SeenState::of(w_)));
    ++outcome_->ticksMeanwhile;
    tick(tickEvent.tick);
}

void EventDriver::fireMeanwhile()
{
    std::vector<Meanwhile> happenings;
    happenings.swap(meanwhile_); // a box opened by one of these gets none
    for (Meanwhile m : happenings)
        happenMeanwhile(m);
}

int EventDriver::answerBox(const QString& prompt, int style, const QString& title)
{
    if (outcome_) {
        outcome_->boxes.append({prompt, style, title});
        fireMeanwhile();
    }
    if (style != 292)
        return rules::vbOK;
    ++endingQuestions;
    return endingAnswer;
}

void EventDriver::answerModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !outcome_)
        return;
    outcome_->dialogShown = QString::fromLatin1(modal->metaObject()->className());
    fireMeanwhile();
    if (auto* strength = qobject_cast<Vibor*>(modal))
        answerStrength(*strength, current_);
    else if (auto* about = qobject_cast<About*>(modal))
        answerAbout(*about, current_);
    else
        modal->close(); // reported by the checks; closed so that the run goes on
}

DriverEvent EventDriver::randomEvent()
{
    using Kind = DriverEvent::Kind;
    // Spells of play alternate with spells of dawdling, in which the turn clock runs out.
    if (--moodLeft_ <= 0) {
        dawdling_ = pick_.chance(0.3f);
        moodLeft_ = 30 + pick_.below(120);
    }
    // A player seldom abandons a running game, and has little else to do when none runs.
    const bool running = w_.gameRunning();
    const int abandon = running ? 1 : 60;
    const std::array<std::pair<Kind, int>, 10> kinds = {{{Kind::Cell, dawdling_ ? 40 : 420},
                                                         {Kind::TimerTick, dawdling_ ? 760 : 380},
                                                         {Kind::SizeOption, abandon},
                                                         {Kind::HumansVsOrcs, abandon},
                                                         {Kind::YouVsMe, abandon},
                                                         {Kind::NewBlinzor, 10},
                                                         {Kind::Help, running ? 5 : 30},
                                                         {Kind::CloseRequest, 12},
                                                         {Kind::Exit, 12},
                                                         {Kind::MoveWindow, 4}}};
    int total = 0;
    for (const auto& k : kinds)
        total += k.second;
    int r = pick_.below(total);
    Kind kind = Kind::Cell;
    for (const auto& k : kinds) {
        if (r < k.second) {
            kind = k.first;
            break;
        }
        r -= k.second;
    }

    DriverEvent e;
    switch (kind) {
    case Kind::Cell:
        e = DriverEvent::cell(randomCellToClick());
        break;
    case Kind::TimerTick:
        e = DriverEvent::timerTick(randomRunningTimer());
        break;
    case Kind::SizeOption:
        e = DriverEvent::sizeOption(pick_.below(3));
        break;
    case Kind::HumansVsOrcs:
        e = DriverEvent::humansVsOrcs();
        break;
    case Kind::YouVsMe:
        e = DriverEvent::youVsMe(StrengthAnswer(pick_.below(4)), pick_.below(4));
        break;
    case Kind::NewBlinzor:
        e = DriverEvent::newBlinzor();
        break;
    case Kind::Help:
        e = DriverEvent::help(AboutAnswer(pick_.below(5)));
        break;
    case Kind::CloseRequest:
        e = DriverEvent::closeRequest();
        break;
    case Kind::Exit:
        e = DriverEvent::exit();
        break;
    case Kind::MoveWindow:
        e = DriverEvent::moveWindow(pick_.below(9));
        break;
    }
    return e.withMeanwhile(randomMeanwhile());
}

// The computer's delay and the turn clock tick most, as their ticks move the game on; a
// stopped timer does not tick at all.
Tick EventDriver::randomRunningTimer()
{
    std::vector<Tick> running;
    for (auto [t, weight] :
         {std::pair{Tick::CompHod, 6}, std::pair{Tick::Time, dawdling_ ? 20 : 3},
          std::pair{Tick::Bliki, 1}, std::pair{Tick::Dvizen, dawdling_ ? 20 : 1}})
        if (timerOf(w_, t)->enabled())
            running.insert(running.end(), std::size_t(weight), t);
    return running[std::size_t(pick_.below(int(running.size())))];
}

// Now and then a few ticks fall while a modal window is open, and seldom a close request.
std::vector<Meanwhile> EventDriver::randomMeanwhile()
{
    std::vector<Meanwhile> happenings;
    if (!pick_.chance(0.25f))
        return happenings;
    for (int n = 1 + pick_.below(3); n > 0; --n)
        happenings.push_back(pick_.chance(0.1f) ? Meanwhile::CloseRequest
                                                : Meanwhile(pick_.below(4)));
    return happenings;
}

// Most clicks go to a cell that may be taken now, so that games get played to their end;
// the others to any of the 100 cells, taken, hidden and disabled ones included.
int EventDriver::randomCellToClick()
{
    std::vector<int> open;
    for (int i = 0; i < 100; ++i) {
        if (w_.cellOnBoard(i) && w_.cellOpen(i))
            open.push_back(i);
    }
    if (open.empty() || pick_.chance(0.25f))
        return pick_.below(100);
    return open[std::size_t(pick_.below(int(open.size())))];
}

bool EventDriver::playComputerGame(int strength)
{
    const long long giveUp = events_ + 10000;
    fire(DriverEvent::sizeOption(pick_.below(3)));
    fire(DriverEvent::youVsMe(StrengthAnswer::PickAndOk, strength));
    while (!failed() && (w_.gameRunning() || w_.TimerCompHod->enabled())) {
        if (events_ > giveUp) {
            noteFailure({QStringLiteral("the game did not end within 10000 events")});
            break;
        }
        if (w_.TimerCompHod->enabled()) {
            fire(DriverEvent::timerTick(Tick::CompHod));
        } else if (pick_.chance(0.1f)) {
            fire(DriverEvent::timerTick(pick_.chance(0.8f) ? Tick::Time : Tick(pick_.below(2))));
        } else {
            std::vector<int> open;
            for (int i : SeenState::of(w_).openLine())
                if (w_.cellOnBoard(i))
                    open.push_back(i);
            fire(DriverEvent::cell(
                open.empty() ? 0 : open[std::size_t(pick_.below(int(open.size())))]));
        }
    }
    return !failed();
}

void EventDriver::noteFailure(const QStringList& violations)
{
    if (failed())
        return;
    failure_ = QStringLiteral("seed %1, event %2:\n  ").arg(seed_).arg(events_) +
               violations.join(QStringLiteral("\n  "));
    // The test's own message is cut short; the whole report goes to the error output.
    if (reportToErrorOutput)
        std::fputs(qPrintable(failureReport() + QLatin1Char('\n')), stderr);
}

QString EventDriver::failureReport() const
{
    if (!failed())
        return {};
    // Long runs go to a file; the report keeps their last events in view.
    constexpr int shownLines = 60;
    const QStringList lines =
        QString::fromStdString(log_).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QString report = failure_ + QStringLiteral("\nReplay it (a shown Dravik w, then):\n");
    if (lines.size() <= shownLines)
        return report + lines.join(QLatin1Char('\n'));
    const QString path =
        QDir::temp().filePath(QStringLiteral("blinzor-events-seed-%1.txt").arg(seed_));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::fromStdString(log_));
    return report + lines.first() +
           QStringLiteral("\n(all %1 events are in %2; the last ones:)\n")
               .arg(lines.size() - 1)
               .arg(path) +
           lines.mid(lines.size() - shownLines).join(QLatin1Char('\n'));
}
