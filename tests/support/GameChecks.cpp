#include "GameChecks.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

using platform::ButtonFace;
using platform::Red;
using platform::White;
using Kind = DriverEvent::Kind;

namespace {

bool isCellValue(const QString& caption)
{
    return caption.size() == 1 && caption[0] >= QLatin1Char('1') && caption[0] <= QLatin1Char('9');
}

bool isClockCount(const QString& text)
{
    static const QRegularExpression count(QStringLiteral("^([1-9]|1[0-9]|20)$"));
    return text.isEmpty() || count.match(text).hasMatch();
}

QString cellName(int i)
{
    return QStringLiteral("cell %1").arg(i);
}

// Off the board cells are hidden, take clicks and keep the button face; before any size
// is chosen all 100 cells are shown, empty.
void checkLayout(const SeenState& s, QStringList& v)
{
    if (s.Razmer != 0 && s.Razmer != 5 && s.Razmer != 8 && s.Razmer != 10) {
        v << QStringLiteral("Razmer is %1").arg(s.Razmer);
        return;
    }
    for (int i = 0; i < 100; ++i) {
        const CellSeen& c = s.cells[std::size_t(i)];
        if (s.Razmer == 0) {
            if (!c.visible || !c.caption.isEmpty())
                v << cellName(i) + " is not an empty cell before a size is chosen";
        } else if (!s.onBoard(i) && (c.visible || !c.enabled || c.back != ButtonFace)) {
            v << cellName(i) + " lies off the board but is shown, disabled or coloured";
        }
    }
}

// Only the computer's pending move closes the board, and then all of it.
void checkEnabledCells(const SeenState& s, QStringList& v)
{
    for (int i = 0; i < 100; ++i) {
        const bool enabled = s.cells[std::size_t(i)].enabled;
        if (!s.computerPending && !enabled)
            v << cellName(i) + " is disabled although the computer's move is not pending";
        if (s.computerPending && s.onBoard(i) && enabled)
            v << cellName(i) + " takes clicks while the computer's move is pending";
    }
}

// Exactly the open line is white, the computer's pending cell red instead.
void checkLineColours(const SeenState& s, QStringList& v)
{
    const std::vector<int> line = s.openLine();
    bool lineHasCell = false;
    int reds = 0;
    for (int i = 0; i < 100; ++i) {
        if (!s.onBoard(i))
            continue;
        const CellSeen& c = s.cells[std::size_t(i)];
        const bool inLine = std::find(line.begin(), line.end(), i) != line.end();
        lineHasCell = lineHasCell || (inLine && c.visible);
        if (!isCellValue(c.caption))
            v << cellName(i) + " shows no value 1 to 9 during a game";
        if (c.back == Red) {
            ++reds;
            if (!s.computerPending || !inLine || !c.visible || s.Hod != 1)
                v << cellName(i) + " is red but is no cell the computer may take";
        } else if (c.back != (inLine ? White : ButtonFace)) {
            v << cellName(i) + (inLine ? " lies in the open line but is not white"
                                       : " lies outside the open line but is not button face");
        }
    }
    if (s.computerPending && reds != 1)
        v << QStringLiteral("%1 red cells while the computer's move is pending").arg(reds);
    if (!lineHasCell)
        v << QStringLiteral("the clock runs although the open line holds no cell");
}

// The computer's copy of the board matches the cells: their values while they are on the
// board, 0 once taken.
void checkComputerBoard(const SeenState& s, QStringList& v)
{
    if (s.poleSize != s.Razmer) {
        v << QStringLiteral("Pole is %1 wide on a board of %2").arg(s.poleSize).arg(s.Razmer);
        return;
    }
    for (int r = 0; r < s.Razmer; ++r) {
        for (int c = 0; c < s.Razmer; ++c) {
            const CellSeen& cell = s.cells[std::size_t(10 * r + c)];
            const int expected = cell.visible ? cell.caption.toInt() : 0;
            if (s.poleAt(r, c) != expected)
                v << QStringLiteral("Pole(%1, %2) is %3, the cell says %4")
                         .arg(r)
                         .arg(c)
                         .arg(s.poleAt(r, c))
                         .arg(expected);
        }
    }
}

void checkRunningGame(const SeenState& s, QStringList& v)
{
    if (s.Razmer == 0) {
        v << QStringLiteral("a game runs without a board");
        return;
    }
    if (s.Hod != 0 && s.Hod != 1)
        v << QStringLiteral("Hod is %1").arg(s.Hod);
    if (s.Liniya < 0 || s.Liniya >= s.Razmer) {
        v << QStringLiteral("Liniya %1 lies off a board of %2").arg(s.Liniya).arg(s.Razmer);
        return;
    }
    if (s.Hod != 0 && s.Hod != 1)
        return;
    checkLineColours(s, v);
    if (s.scoreBack[std::size_t(s.Hod)] != White ||
        s.scoreBack[std::size_t(1 - s.Hod)] != ButtonFace)
        v << QStringLiteral("the score labels do not mark player %1 to move").arg(s.Hod);
    if (s.titleText[0].isEmpty() || s.titleText[1].isEmpty())
        v << QStringLiteral("a score title is empty during a game");
    if (s.Uroven != -1)
        checkComputerBoard(s, v);
}

void checkScoreDisplays(const SeenState& s, QStringList& v)
{
    for (std::size_t p = 0; p < 2; ++p) {
        if (!s.scoreText[p].isEmpty() && s.scoreText[p] != QString::number(s.Ochki[p]))
            v << QStringLiteral("lPl(%1) shows \"%2\" but the score is %3")
                     .arg(p)
                     .arg(s.scoreText[p])
                     .arg(s.Ochki[p]);
        const platform::Color back = s.scoreBack[p];
        if (back != ButtonFace && back != White && back != Red)
            v << QStringLiteral("lPl(%1) has a colour no rule gives it").arg(p);
        if (!s.wonText[p].isEmpty() && s.wonText[p] != QLatin1String("1") &&
            s.wonText[p] != QLatin1String("2"))
            v << QStringLiteral("LabelS(%1) shows \"%2\"").arg(p).arg(s.wonText[p]);
    }
    if (!isClockCount(s.clockText))
        v << QStringLiteral("the clock shows \"%1\"").arg(s.clockText);
}

void checkSettingsAndWindow(const SeenState& s, QStringList& v)
{
    if (s.urovenSet && (s.Uroven < -1 || s.Uroven > 3))
        v << QStringLiteral("Uroven is %1").arg(s.Uroven);
    if (s.UrovenVibor < 0 || s.UrovenVibor > 3)
        v << QStringLiteral("UrovenVibor is %1").arg(s.UrovenVibor);
    if (s.Kadr1 < 0 || s.Kadr1 > 5 || s.Kadr2 < 0 || s.Kadr2 > 5)
        v << QStringLiteral("a glint phase is %1, %2").arg(s.Kadr1).arg(s.Kadr2);
    if (s.windowOpen && s.screenArea.isValid() && !s.screenArea.contains(s.frame))
        v << QStringLiteral("the window has left the screen");
}

int clamp16(int value)
{
    return std::clamp(value, int(std::numeric_limits<std::int16_t>::min()),
                      int(std::numeric_limits<std::int16_t>::max()));
}

// The scores after a move: the mover gains the cell's value ("Satan" cuts the person's gains
// above 10), and on a game's first move the opponent gets half of it.
void addMove(const SeenState& before, int cell, std::array<int, 2>& delta)
{
    static constexpr int satanGain[9] = {1, 2, 2, 3, 4, 6, 5, 6, 6};
    const int v = before.cells[std::size_t(cell)].caption.toInt();
    const int mover = before.Hod;
    const bool cut = before.Uroven == 3 && mover == 0 && before.Ochki[0] > 10 && v >= 1 && v <= 9;
    delta[std::size_t(mover)] += cut ? satanGain[v - 1] : v;
    if (before.scoreText[std::size_t(1 - mover)].isEmpty())
        delta[std::size_t(1 - mover)] += v / 2;
}

QString strengthTitle(int uroven)
{
    static const char* const names[] = {"Easy's", "Hard's", "God's", "Satan's"};
    return QLatin1String(names[std::clamp(uroven, 0, 3)]) + QLatin1String(" score:");
}

bool isReset(const DriverEvent& e, const SeenState& before)
{
    if (e.kind == Kind::SizeOption)
        return e.index != before.RazmerVibor;
    return e.startsAGame() && before.Razmer != 0;
}

QString boxKey(const ShownBox& box)
{
    // The remark's title is one of the stored texts; its style tells it apart.
    return box.style == 16 ? QStringLiteral("16 remark")
                           : QStringLiteral("%1 %2").arg(box.style).arg(box.title);
}

QStringList expectedBoxes(const DriverEvent& e, const SeenState& before, const StepOutcome& o,
                          bool ended, bool matchWon)
{
    QStringList keys;
    if (e.kind == Kind::CloseRequest || e.kind == Kind::Exit)
        keys << QStringLiteral("292 Ending");
    // A window that is asking already whether to close ignores a second request.
    for (int i = 0; i < o.closeRequestsMeanwhile && e.kind != Kind::CloseRequest; ++i)
        keys << QStringLiteral("292 Ending");
    if (e.startsAGame() && before.Razmer == 0)
        keys << QStringLiteral("64 Blinzor");
    if (e.kind == Kind::YouVsMe && before.Razmer != 0 &&
        (e.strengthAnswer == StrengthAnswer::PickAndOk ||
         e.strengthAnswer == StrengthAnswer::Enter))
        keys << QStringLiteral("16 remark");
    if (e.kind == Kind::Help && !before.clockOn && e.aboutAnswer == AboutAnswer::SysInfoThenOk)
        keys << QStringLiteral("0 Blinzor");
    if (ended)
        keys << QStringLiteral("48 Game Over");
    if (matchWon)
        keys << QStringLiteral("64 Congratulations");
    keys.sort();
    return keys;
}

QString expectedDialog(const DriverEvent& e, const SeenState& before)
{
    if (e.kind == Kind::YouVsMe && before.Razmer != 0)
        return QStringLiteral("Vibor");
    if (e.kind == Kind::Help && !before.clockOn)
        return QStringLiteral("About");
    return {};
}

QString gameOverText(const SeenState& after, int winner)
{
    if (after.Uroven == -1)
        return winner == 0 ? QStringLiteral("Player1 win!") : QStringLiteral("Player2 win!");
    return winner == 0 ? QStringLiteral("You  win!") : QStringLiteral("I win!");
}

void checkBoxesAndDialogs(const DriverEvent& e, const SeenState& before, const SeenState& after,
                          const StepOutcome& o, QStringList& v)
{
    const bool ended = checks::gameEnded(e, before, after);
    const int winner = after.Ochki[0] > after.Ochki[1] ? 0 : 1;
    const bool matchWon = ended && before.wonText[std::size_t(winner)].toInt() + 1 >= 3;
    QStringList shown;
    for (const ShownBox& box : o.boxes) {
        shown << boxKey(box);
        if (box.title == QLatin1String("Game Over") && box.prompt != gameOverText(after, winner))
            v << "the game's end reads \"" + box.prompt + "\"";
    }
    shown.sort();
    const QStringList expected = expectedBoxes(e, before, o, ended, matchWon);
    if (shown != expected)
        v << "boxes shown: [" + shown.join(", ") + "], expected [" + expected.join(", ") + "]";
    if (o.dialogShown != expectedDialog(e, before))
        v << "dialog shown: \"" + o.dialogShown + "\", expected \"" + expectedDialog(e, before) +
                 "\"";
    if (o.programEnds != 0)
        v << QStringLiteral("the program was ended");
    if ((e.kind == Kind::CloseRequest || e.kind == Kind::Exit || o.closeRequestsMeanwhile > 0) &&
        !after.windowOpen)
        v << QStringLiteral("the window closed although the question was answered No");
}

// The match counters: one more for the winner of a game that ended, both empty after a
// third win or a new match, untouched otherwise.
void checkMatchCounters(const DriverEvent& e, const SeenState& before, const SeenState& after,
                        QStringList& v)
{
    std::array<QString, 2> expected = before.wonText;
    if (e.kind == Kind::NewBlinzor) {
        expected = {};
    } else if (checks::gameEnded(e, before, after)) {
        const std::size_t w = after.Ochki[0] > after.Ochki[1] ? 0 : 1;
        const int won = before.wonText[w].toInt() + 1;
        if (won >= 3)
            expected = {};
        else
            expected[w] = QString::number(won);
        if (after.scoreBack[w] != Red)
            v << QStringLiteral("the winner's score is not red");
    }
    if (after.wonText != expected)
        v << "match counters \"" + after.wonText[0] + "\", \"" + after.wonText[1] +
                 "\", expected \"" + expected[0] + "\", \"" + expected[1] + "\"";
}

void checkNewBoard(const DriverEvent& e, const SeenState& after, QStringList& v)
{
    static constexpr int sides[3] = {5, 8, 10};
    if (after.RazmerVibor != e.index || after.Razmer != sides[e.index])
        v << QStringLiteral("the size option did not set the board");
    for (int i = 0; i < 100; ++i) {
        const CellSeen& c = after.cells[std::size_t(i)];
        if (after.onBoard(i) && (!c.visible || !c.caption.isEmpty() || c.back != ButtonFace))
            v << cellName(i) + " is not an empty board cell after a new size";
    }
    if (after.clockOn || after.computerPending || after.Ochki != std::array<int, 2>{} ||
        !after.scoreText[0].isEmpty() || !after.scoreText[1].isEmpty() ||
        !after.clockText.isEmpty())
        v << QStringLiteral("a new size left a game, a pending move or a score behind");
}

void checkNewGame(const DriverEvent& e, const SeenState& before, const SeenState& after,
                  QStringList& v)
{
    for (int i = 0; i < 100; ++i) {
        const CellSeen& c = after.cells[std::size_t(i)];
        if (after.onBoard(i) && (!c.visible || !isCellValue(c.caption)))
            v << cellName(i) + " is not a fresh cell at the start of a game";
    }
    if (!after.clockOn || !after.scoreText[0].isEmpty() || !after.scoreText[1].isEmpty() ||
        !after.clockText.isEmpty() || after.Liniya != 0)
        v << QStringLiteral("the game did not start afresh");
    const bool computer = e.kind == Kind::YouVsMe;
    if (after.computerPending != (computer && after.Hod == 1))
        v << QStringLiteral("the computer's move is pending after a new game: %1")
                 .arg(after.computerPending);
    if (!computer) {
        if (after.Uroven != -1 || after.titleText[0] != QLatin1String("Player1 score:") ||
            after.titleText[1] != QLatin1String("Player2 score:"))
            v << QStringLiteral("a game of two people is not set up as one");
        return;
    }
    const int strength =
        e.strengthAnswer == StrengthAnswer::PickAndOk ? e.index : before.UrovenVibor;
    if (after.Uroven != strength || after.UrovenVibor != strength)
        v << QStringLiteral("strength %1 chosen, Uroven %2, UrovenVibor %3")
                 .arg(strength)
                 .arg(after.Uroven)
                 .arg(after.UrovenVibor);
    if (after.titleText[0] != QLatin1String("Your score:") ||
        after.titleText[1] != strengthTitle(strength))
        v << "the score titles read \"" + after.titleText[0] + "\", \"" + after.titleText[1] + "\"";
}

// A move hides exactly its cell, passes the turn and opens the line through the cell.
void checkMove(int played, const SeenState& before, const SeenState& after, QStringList& v)
{
    for (int i = 0; i < 100; ++i) {
        const bool hidden =
            before.cells[std::size_t(i)].visible && !after.cells[std::size_t(i)].visible;
        if (hidden != (i == played))
            v << cellName(i) + (hidden ? " disappeared without being played"
                                       : " was played but is still there");
        if (!before.cells[std::size_t(i)].visible && after.cells[std::size_t(i)].visible)
            v << cellName(i) + " came back";
    }
    if (played < 0)
        return;
    if (after.Hod != 1 - before.Hod || after.Liniya != (after.Hod == 0 ? played % 10 : played / 10))
        v << QStringLiteral("the move on cell %1 did not pass the turn to its line").arg(played);
    if (!after.clockText.isEmpty())
        v << QStringLiteral("the clock did not start again after a move");
}

void checkCellsAndScores(const DriverEvent& e, const SeenState& before, const SeenState& after,
                         const StepOutcome& o, QStringList& v)
{
    if (after.Ochki != o.expectedOchki)
        v << QStringLiteral("scores %1, %2; the moves and time-outs account for %3, %4")
                 .arg(after.Ochki[0])
                 .arg(after.Ochki[1])
                 .arg(o.expectedOchki[0])
                 .arg(o.expectedOchki[1]);
    if (isReset(e, before) || o.ticksMeanwhile != 0)
        return;
    const int played = checks::cellPlayed(e, before);
    if (played >= 0 && e.kind == Kind::TimerTick && before.cells[std::size_t(played)].back != Red)
        v << QStringLiteral("the computer played cell %1, which it had not shown").arg(played);
    checkMove(played, before, after, v);
}

// Events that change nothing a player can see: a refused click, a refused command, a
// question answered No, a tick of a stopped timer.
bool changesNothing(const DriverEvent& e, const SeenState& before, int played)
{
    switch (e.kind) {
    case Kind::Cell:
        return played < 0;
    case Kind::SizeOption:
        return e.index == before.RazmerVibor;
    case Kind::HumansVsOrcs:
    case Kind::YouVsMe:
        return before.Razmer == 0;
    case Kind::Help:
    case Kind::CloseRequest:
    case Kind::Exit:
        return true;
    case Kind::MoveWindow: // the position is left out of the comparison
        return true;
    case Kind::NewBlinzor:
    case Kind::TimerTick:
        return false;
    }
    return false;
}

} // namespace

namespace checks {

QStringList invariantViolations(const SeenState& s)
{
    QStringList v;
    checkLayout(s, v);
    checkEnabledCells(s, v);
    if (s.clockOn)
        checkRunningGame(s, v);
    checkScoreDisplays(s, v);
    checkSettingsAndWindow(s, v);
    return v;
}

bool gameEnded(const DriverEvent& e, const SeenState& before, const SeenState& after)
{
    return before.clockOn && !after.clockOn && !isReset(e, before);
}

int cellPlayed(const DriverEvent& e, const SeenState& before)
{
    int cell = -1;
    if (e.kind == Kind::Cell) {
        const CellSeen& c = before.cells[std::size_t(e.index)];
        if (c.visible && c.enabled) // the platform delivers no click to any other cell
            cell = e.index;
    } else if (e.kind == Kind::TimerTick && e.tick == Tick::CompHod && before.computerPending &&
               before.Takt >= 3) {
        cell = 10 * before.Liniya + before.chosenColumn;
    }
    if (cell < 0 || cell > 99 || !before.clockOn ||
        before.cells[std::size_t(cell)].back == ButtonFace)
        return -1;
    return cell;
}

ScoreChange scoreChange(const DriverEvent& e, const SeenState& before)
{
    ScoreChange change;
    change.reset = isReset(e, before);
    const int played = cellPlayed(e, before);
    if (played >= 0)
        addMove(before, played, change.delta);
    if (e.kind == Kind::TimerTick && e.tick == Tick::Time && before.clockOn &&
        before.clockText == QLatin1String("1"))
        change.delta[std::size_t(before.Hod)] -= 1;
    return change;
}

std::array<int, 2> applied(const std::array<int, 2>& scores, const ScoreChange& change)
{
    std::array<int, 2> result = change.reset ? std::array<int, 2>{} : scores;
    for (std::size_t p = 0; p < 2; ++p)
        result[p] = clamp16(result[p] + change.delta[p]);
    return result;
}

QStringList stepViolations(const DriverEvent& e, const SeenState& before, const SeenState& after,
                           const StepOutcome& o)
{
    QStringList v;
    checkBoxesAndDialogs(e, before, after, o, v);
    checkMatchCounters(e, before, after, v);
    checkCellsAndScores(e, before, after, o, v);
    if (o.ticksMeanwhile == 0 && changesNothing(e, before, cellPlayed(e, before))) {
        const QStringList changed = after.differencesFrom(before);
        if (!changed.isEmpty())
            v << "changed although it should change nothing: " + changed.join(", ");
    }
    if (e.kind == Kind::NewBlinzor && o.ticksMeanwhile == 0) {
        QStringList changed = after.differencesFrom(before);
        changed.removeAll(QStringLiteral("match counters"));
        if (!changed.isEmpty())
            v << "a new match changed more than its counters: " + changed.join(", ");
    }
    if (e.kind == Kind::SizeOption && isReset(e, before))
        checkNewBoard(e, after, v);
    if (isReset(e, before) && e.startsAGame())
        checkNewGame(e, before, after, v);
    return v;
}

} // namespace checks
