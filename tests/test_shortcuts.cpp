// The keyboard: the menu's shortcut keys work from anywhere in the window, a focused cell
// included, and a whole game can be played with keys alone - the arrows move about the board,
// Space takes a cell, Tab goes to the size options and back, and the focus is back on the
// board after every move.
#include "Boards.h"
#include "RealModal.h"
#include "Seams.h"
#include "game/ProgramWide.h"
#include "platform/runtime/Colors.h"
#include "rules/BoardSteps.h"
#include "ui/Dravik.h"

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

// A key as a person presses it: on whatever has the focus, or on the window when nothing has.
void press(Dravik& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &w, key, modifiers);
}

// The board cell that has the focus, or -1.
int focusedCell(const Dravik& w)
{
    const auto found = std::ranges::find(w.kK, QApplication::focusWidget());
    return found == w.kK.end() ? -1 : int(found - w.kK.begin());
}

// Whether the focus is on a cell of the board in force that a key can take.
bool focusOnTheBoard(const Dravik& w)
{
    const int cell = focusedCell(w);
    return cell >= 0 && cell % 10 < w.Razmer && cell / 10 < w.Razmer &&
           w.kK[std::size_t(cell)]->isVisible() && w.kK[std::size_t(cell)]->isEnabled();
}

// A two-person game on the board of 5 with every cell worth `value`, player 0 to move.
void startTwoPersonGame(Dravik& w, int value = 5)
{
    w.ob[0]->click();
    ScriptedRnd rnd;
    scriptSetUp(rnd, 0, QList<int>(25, value));
    w.m1vs1_Click();
}

// Shows the window active, with no glint or shake to draw the scripted numbers, and the
// computer's delay left to the test's ticks.
void showQuiet(Dravik& w)
{
    w.TimerBliki->setEnabled(false);
    w.TimerDvizen->setEnabled(false);
    w.TimerCompHod->blockSignals(true);
    showActive(w);
}

// What a window manager does when a dialog or a message box closes: the main window is
// activated again, and the toolkit gives the focus back to the control that had it - or, if
// none had, to the first that takes it.
void anotherWindowComesAndGoes(Dravik& w)
{
    QWidget other;
    showActive(other);
    other.hide();
    showActive(w);
}

bool focusOnASizeOption(const Dravik& w)
{
    return std::ranges::find(w.ob, QApplication::focusWidget()) != w.ob.end();
}

double contrast(QRgb a, QRgb b)
{
    return rules::contrastRatio(platform::toRgb(QColor(a)), platform::toRgb(QColor(b)));
}

// A dark colour scheme like those of dark desktops: light text on dark grey.
QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(0x42, 0x42, 0x45));
    p.setColor(QPalette::ButtonText, Qt::white);
    return p;
}

} // namespace

class TestShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void everyShortcutTriggersItsMenuItemFromAFocusedCell_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("New Blinzor") << "mNewGame" << QKeySequence(Qt::CTRL | Qt::Key_N);
        QTest::newRow("Humans vs Orcs") << "m1vs1" << QKeySequence(Qt::Key_F2);
        QTest::newRow("You vs Me") << "m1vsC" << QKeySequence(Qt::Key_F3);
        QTest::newRow("Exit") << "mExit" << QKeySequence(Qt::Key_F4);
        QTest::newRow("Help...") << "mAbout" << QKeySequence(Qt::Key_F1);
    }
    void everyShortcutTriggersItsMenuItemFromAFocusedCell()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, key);
        Dravik w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.kK[42]->setFocus();
        QCOMPARE(QApplication::focusWidget(), w.kK[42]);

        auto* item = w.findChild<QAction*>(action);
        QVERIFY(item);
        QCOMPARE(item->shortcut(), key);
        QSignalSpy triggered(item, &QAction::triggered);
        MsgBoxRecorder boxes(rules::vbNo); // the refusal without a board, or the ending question
        if (action == QLatin1String("mAbout"))
            whenModalAppears([](QWidget* about) { about->close(); });
        QTest::keySequence(QApplication::focusWidget(), key);
        QCOMPARE(triggered.count(), 1);
    }

    void spaceOnAFocusedCellTakesIt()
    {
        Dravik w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.ob_Click(0);
        w.m1vs1_Click();
        w.Hod = 1;
        w.kK[0]->setBackColor(platform::White);
        w.kK[0]->setFocus();
        QTest::keyClick(w.kK[0], Qt::Key_Space);
        QVERIFY(w.kK[0]->isHidden());
    }

    void wholeGameFromTheKeyboard_data();
    void wholeGameFromTheKeyboard();
    void arrowsPassOverTakenCellsAndStopAtTheEdge();
    void tabMakesTheBoardOneStopAndAMoveKeepsTheFocusOnIt();
    void gameNeverLeavesTheFocusOnASizeOption_data();
    void gameNeverLeavesTheFocusOnASizeOption();
    void focusFrameStandsOutAndHidesNothing_data();
    void stepsAboutTheBoard();
    void focusComesBackToItsCellAfterTheComputersMove();
    void focusFrameStandsOutAndHidesNothing();
};

void TestShortcuts::wholeGameFromTheKeyboard_data()
{
    QTest::addColumn<bool>("againstTheComputer");
    QTest::newRow("Humans vs Orcs") << false;
    QTest::newRow("You vs Me") << true;
}

// The size chosen with Space on an option, the game started with F2 or F3 (and the strength
// with Enter), then every move made with the arrows and Space, along the open line; the
// computer's delay is ticked by hand.
void TestShortcuts::wholeGameFromTheKeyboard()
{
    QFETCH(bool, againstTheComputer);
    Uroven = Variant<int>();
    Dravik w;
    showQuiet(w);
    MsgBoxRecorder boxes;
    QList<int> values;
    for (int i = 0; i < 25; ++i)
        values.append(1 + (7 * i + i / 5) % 9);
    ScriptedRnd rnd;
    if (againstTheComputer)
        rnd.push(0.0f); // the strength dialog's remark
    scriptSetUp(rnd, 0, values);

    press(w, Qt::Key_Tab); // from the empty grid to the size options
    QCOMPARE(QApplication::focusWidget(), w.ob[0]);
    press(w, Qt::Key_Space);
    QCOMPARE(int(w.Razmer), 5);
    if (againstTheComputer) {
        UrovenVibor = 1; // "Hard", preselected: Enter takes it
        whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        press(w, Qt::Key_F3);
        showActive(w); // offscreen, no window is active once the dialog has closed
    } else {
        press(w, Qt::Key_F2);
    }
    QVERIFY(w.TimerTime->enabled());
    QCOMPARE(w.Hod, 0);
    // The new game takes the focus from the size options to the first cell of the open
    // column: an arrow key there would have changed the board and ended the game.
    QCOMPARE(focusedCell(w), 0);

    // Whether the focus is on the line open to the player to move: a column for player 0.
    const auto inOpenLine = [&w] {
        const int cell = focusedCell(w);
        return focusOnTheBoard(w) && (w.Hod == 0 ? cell % 10 : cell / 10) == w.Liniya;
    };
    int moves = 0;
    while (w.TimerTime->enabled()) {
        QVERIFY2(++moves <= 25, "the game does not end");
        QVERIFY(inOpenLine());
        for (int k = 0; k < moves % 3; ++k) {
            press(w, w.Hod == 0 ? Qt::Key_Down : Qt::Key_Right);
            QVERIFY(inOpenLine());
        }
        const int taken = focusedCell(w);
        QCOMPARE(w.kK[std::size_t(taken)]->backColor(), platform::White);
        press(w, Qt::Key_Space);
        QVERIFY(w.kK[std::size_t(taken)]->isHidden());
        QVERIFY2(focusOnTheBoard(w) || (againstTheComputer && w.Hod == 1),
                 "the focus is off the board after a move");

        if (againstTheComputer && w.Hod == 1) {
            // While the computer chooses, keys change nothing, least of all the board size.
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return})
                press(w, key);
            QCOMPARE(w.Hod, 1);
            QVERIFY(w.TimerCompHod->enabled());
            for (int t = 0; t < 4; ++t)
                w.TimerCompHod_Timer();
            QVERIFY2(focusOnTheBoard(w), "the focus is off the board after the computer's move");
        }
        QCOMPARE(int(w.Razmer), 5);
        QVERIFY(w.ob[0]->isChecked());
    }
    QVERIFY(moves >= 3);
    QVERIFY(!boxes.calls.isEmpty());
    QCOMPARE(boxes.calls.last().title, QStringLiteral("Game Over"));
    QVERIFY(rnd.exhausted());
}

void TestShortcuts::arrowsPassOverTakenCellsAndStopAtTheEdge()
{
    Dravik w;
    showActive(w);
    startTwoPersonGame(w);
    for (int taken : {12, 13, 33, 43})
        w.kK[std::size_t(taken)]->setVisible(false);
    w.kK[11]->setFocus();
    const struct
    {
        Qt::Key key;
        int to;
    } steps[] = {
        {Qt::Key_Right, 14},                     // over the two taken cells
        {Qt::Key_Right, 14},                     // cell 15 is off the board of 5
        {Qt::Key_Up, 4},     {Qt::Key_Up, 4},    // the top edge: no wrapping
        {Qt::Key_Left, 3},   {Qt::Key_Down, 23}, // over cell 13
        {Qt::Key_Down, 23},                      // only taken cells below
        {Qt::Key_Left, 22},  {Qt::Key_Down, 32}, {Qt::Key_Down, 42},
        {Qt::Key_Down, 42}, // cell 52 is off the board
        {Qt::Key_Left, 41},  {Qt::Key_Left, 40}, {Qt::Key_Left, 40},
        {Qt::Key_Home, 0},   {Qt::Key_End, 40}, // the ends of the open column
    };
    for (const auto& step : steps) {
        press(w, step.key);
        QCOMPARE(focusedCell(w), step.to);
    }
    // The board's keys go no further than the board, whether or not the focus moved.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_End}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w.kK[40], &event);
        QVERIFY(event.isAccepted());
    }
    QCOMPARE(w.Hod, 0);
    QCOMPARE(w.lPl[0]->caption(), QString()); // no key took a cell
}

void TestShortcuts::tabMakesTheBoardOneStopAndAMoveKeepsTheFocusOnIt()
{
    Dravik w;
    showActive(w);
    w.ob[1]->click();
    ScriptedRnd rnd;
    scriptSetUp(rnd, 0, QList<int>(64, 3));
    w.m1vs1_Click();
    w.kK[30]->setFocus();
    press(w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.ob[1]); // the size in force, not "5x5"
    press(w, Qt::Key_Tab);
    QCOMPARE(focusedCell(w), 30);
    press(w, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.ob[1]);
    press(w, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusedCell(w), 30);

    // Two people: after a move the focus goes to the line just opened, row 3.
    press(w, Qt::Key_Enter);
    QVERIFY(w.kK[30]->isHidden());
    QCOMPARE(w.Hod, 1);
    QCOMPARE(focusedCell(w), 31);
    press(w, Qt::Key_End);
    QCOMPARE(focusedCell(w), 37);
    press(w, Qt::Key_Space);
    QCOMPARE(focusedCell(w), 7); // the top of column 7
    // A cell that is not open refuses the key, and the focus stays.
    press(w, Qt::Key_Right);
    QCOMPARE(focusedCell(w), 7); // the edge of the board of 8
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Left);
    QCOMPARE(focusedCell(w), 16);
    press(w, Qt::Key_Space);
    QVERIFY(w.kK[16]->isVisible());
    QCOMPARE(focusedCell(w), 16);
    QCOMPARE(int(w.Razmer), 8);
}

void TestShortcuts::gameNeverLeavesTheFocusOnASizeOption_data()
{
    QTest::addColumn<int>("firstPlayer");
    QTest::addColumn<bool>("personEndsTheGame");
    QTest::addColumn<int>("gamesWonBefore");
    QTest::addColumn<bool>("tabWhileTheComputerChooses");
    QTest::newRow("the person begins") << 0 << false << 0 << false;
    QTest::newRow("the computer begins") << 1 << false << 0 << false;
    QTest::newRow("the person's move ends the game") << 0 << true << 0 << false;
    QTest::newRow("the person's move wins the match") << 0 << true << 2 << false;
    QTest::newRow("Tab while the computer chooses") << 0 << false << 0 << true;
}

// A game against "Hard" started from the keys, strength dialog and remark answered; then
// the person's first move - which ends the game where the rest of the row is cleared - and
// Tab while the computer chooses. Each time a window might have come and gone over the
// main window, and after the computer's move, the focus is on the board or held off every
// control, never on a size option, where the next arrow key would change the board.
void TestShortcuts::gameNeverLeavesTheFocusOnASizeOption()
{
    QFETCH(int, firstPlayer);
    QFETCH(bool, personEndsTheGame);
    QFETCH(int, gamesWonBefore);
    QFETCH(bool, tabWhileTheComputerChooses);
    Uroven = Variant<int>();
    Dravik w;
    showQuiet(w);
    MsgBoxRecorder boxes; // the remark, the end of the game, the end of the match
    ScriptedRnd rnd{0.0f};
    scriptSetUp(rnd, firstPlayer, QList<int>(25, 5));
    press(w, Qt::Key_Tab);
    press(w, Qt::Key_Space); // "5x5"
    if (gamesWonBefore > 0)
        w.LabelS[0]->setCaption(QString::number(gamesWonBefore));
    UrovenVibor = 1;
    whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    press(w, Qt::Key_F3);
    anotherWindowComesAndGoes(w); // the strength dialog
    QVERIFY(!focusOnASizeOption(w));

    if (firstPlayer == 0) {
        QCOMPARE(focusedCell(w), 0);
        if (personEndsTheGame) // row 0 holds nothing but cell 0: taking it ends the game
            for (int c = 1; c < 5; ++c)
                w.kK[std::size_t(c)]->setVisible(false);
        press(w, Qt::Key_Space);
        QCOMPARE(w.TimerTime->enabled(), !personEndsTheGame);
        anotherWindowComesAndGoes(w); // the end of the game, and of the match
        QVERIFY(!focusOnASizeOption(w));
        if (tabWhileTheComputerChooses) {
            press(w, Qt::Key_Tab);
            QVERIFY(!focusOnASizeOption(w));
        }
    }
    QVERIFY(w.TimerCompHod->enabled());
    for (int t = 0; t < 4; ++t)
        w.TimerCompHod_Timer();
    anotherWindowComesAndGoes(w);
    QVERIFY2(focusOnTheBoard(w), "the focus is off the board after the computer's move");
    QCOMPARE(int(w.Razmer), 5);
    QCOMPARE(w.gamesWon(0), gamesWonBefore == 2 ? 0 : int(personEndsTheGame));
}

void TestShortcuts::focusFrameStandsOutAndHidesNothing_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<platform::Color>("back");
    QTest::addColumn<QColor>("shown");
    for (bool dark : {false, true}) {
        const char* scheme = dark ? "dark" : "light";
        // The light scheme's face is all but white: the cells take the clear grey instead.
        const QColor face = dark ? darkPalette().color(QPalette::Button) : QColor(212, 212, 212);
        QTest::addRow("%s, button face", scheme) << dark << platform::ButtonFace << face;
        QTest::addRow("%s, white", scheme) << dark << platform::White << QColor(Qt::white);
        QTest::addRow("%s, red", scheme) << dark << platform::Red << QColor(Qt::red);
    }
}

// From the cell's own pixels, grabbed with and without the focus: the frame is a ring two
// pixels wide just inside the border, at least 3:1 against what it covers and against the
// cell's colour on either side of it, and nothing inside it changes - number and colour.
void TestShortcuts::focusFrameStandsOutAndHidesNothing()
{
    QFETCH(bool, dark);
    QFETCH(platform::Color, back);
    QFETCH(QColor, shown);
    const QPalette before = QApplication::palette();
    if (dark)
        QApplication::setPalette(darkPalette());
    Dravik w;
    showActive(w);
    startTwoPersonGame(w, 8);
    platform::Label* cell = w.kK[11];
    cell->setBackColor(back);
    w.kK[0]->setFocus();
    const QImage plain = cell->grab().toImage();
    cell->setFocus();
    const QImage framed = cell->grab().toImage();
    QApplication::setPalette(before);
    QCOMPARE(framed.size(), plain.size());

    const QRgb fill = platform::toQColor(back, cell->palette()).rgb();
    int ring = 0;
    for (int y = 0; y < framed.height(); ++y) {
        for (int x = 0; x < framed.width(); ++x) {
            const int depth = std::min({x, y, framed.width() - 1 - x, framed.height() - 1 - y});
            const QRgb was = plain.pixel(x, y), is = framed.pixel(x, y);
            if (depth == 2 || depth == 3) {
                ++ring;
                QVERIFY2(contrast(is, was) >= 3.0,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                QVERIFY(contrast(is, fill) >= 3.0);
            } else {
                QCOMPARE(is, was); // the border, the number and the colour round it
            }
        }
    }
    QVERIFY(ring > 4 * 16);
    // The cell's colour shows on both sides of the ring.
    QCOMPARE(framed.pixel(1, framed.height() / 2), fill);
    QCOMPARE(framed.pixel(4, framed.height() / 2), fill);
    QCOMPARE(QColor(fill), shown);
}

// The steps the board's keys take, on the board of 5 with cells 12, 13, 33 and 43 taken.
void TestShortcuts::stepsAboutTheBoard()
{
    using boardsteps::Direction;
    const auto left = [](int i) { return i != 12 && i != 13 && i != 33 && i != 43; };
    const auto all = [](int) { return true; };
    const struct
    {
        int from;
        Direction direction;
        int side;
        int to;
    } neighbours[] = {
        {11, Direction::Right, 5, 14}, // over two taken cells
        {14, Direction::Right, 5, -1}, // the edge of the board of 5
        {14, Direction::Right, 8, 15}, // no edge there on the board of 8
        {4, Direction::Up, 5, -1},     // no wrapping round
        {3, Direction::Down, 5, 23},   {23, Direction::Down, 5, -1}, // only taken cells below
        {22, Direction::Down, 5, 32},  {41, Direction::Left, 5, 40},
        {40, Direction::Left, 5, -1},  {99, Direction::Up, 10, 89},
    };
    for (const auto& n : neighbours)
        QCOMPARE(boardsteps::neighbour(n.from, n.direction, n.side, left), n.to);

    const auto column3 = [&left](int i) { return i % 10 == 3 && left(i); };
    const auto none = [](int) { return false; };
    const struct
    {
        int side;
        std::function<bool(int)> wanted;
        int first, last;
    } ends[] = {
        {5, left, 0, 44}, {5, column3, 3, 23}, {10, all, 0, 99},
        {8, all, 0, 77},  {5, none, -1, -1},   {0, all, -1, -1},
    };
    for (const auto& e : ends) {
        QCOMPARE(boardsteps::firstCell(e.side, e.wanted), e.first);
        QCOMPARE(boardsteps::lastCell(e.side, e.wanted), e.last);
    }
}

// The focus on one cell, another clicked with the mouse, then the computer's move: the focus
// is back on the cell it was on, not on the line the computer opened.
void TestShortcuts::focusComesBackToItsCellAfterTheComputersMove()
{
    Uroven = Variant<int>();
    Dravik w;
    showQuiet(w);
    MsgBoxRecorder boxes;
    ScriptedRnd rnd{0.0f}; // the strength dialog's remark
    scriptSetUp(rnd, 0, QList<int>(25, 5));
    w.ob[0]->click();
    UrovenVibor = 1; // "Hard", preselected: Enter takes it
    whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    w.m1vsC_Click();
    showActive(w);
    QCOMPARE(w.Hod, 0);

    const int kept = Dravik::cellIndex(3, w.Liniya);
    const int clicked = Dravik::cellIndex(1, w.Liniya);
    w.kK[std::size_t(kept)]->setFocus();
    QTest::mouseClick(w.kK[std::size_t(clicked)], Qt::LeftButton);
    QVERIFY(w.kK[std::size_t(clicked)]->isHidden());
    QCOMPARE(w.Hod, 1);
    for (int t = 0; t < 4; ++t)
        w.TimerCompHod_Timer();
    QCOMPARE(w.Hod, 0);
    QCOMPARE(focusedCell(w), kept);
}

QTEST_MAIN(TestShortcuts)
#include "test_shortcuts.moc"
