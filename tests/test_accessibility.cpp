// What a screen reader learns of the main window through the toolkit's accessibility
// interface: the cells' row, column, number and part in the game, and the names of the
// scores, the clock, the match counters and the size options.
#include "AccessibilityListener.h"
#include "Boards.h"
#include "RealModal.h"
#include "Seams.h"
#include "game/ProgramWide.h"
#include "platform/screenreader/Notice.h"
#include "ui/Dravik.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

namespace {

// The 5 x 5 board of these tests, row by row.
// clang-format off
const QList<int> Board{
    1, 3, 5, 7, 9,
    2, 4, 6, 8, 1,
    3, 5, 7, 9, 2,
    4, 6, 8, 1, 3,
    5, 7, 9, 2, 4,
};
// clang-format on

QAccessibleInterface* spoken(QObject* control)
{
    return QAccessible::queryAccessibleInterface(control);
}

QString nameOf(QObject* control)
{
    return spoken(control)->text(QAccessible::Name);
}

QString descriptionOf(QObject* control)
{
    return spoken(control)->text(QAccessible::Description);
}

void press(QObject* control)
{
    spoken(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    // Two people on the 5 x 5 board above, player 0 to move in column 0; then three moves
    // (cells 10, 12 and 22, worth 2, 6 and 7). The third row, cells 20 to 24, is then open
    // to player 1.
    static void playThreeMoves(Dravik& w)
    {
        w.ob[0]->click();
        ScriptedRnd rnd;
        scriptSetUp(rnd, 0, Board);
        w.m1vs1_Click();
        for (int cell : {10, 12, 22})
            w.kK_Click(cell);
        QCOMPARE(w.Hod, 1);
        QCOMPARE(w.Liniya, 2);
    }

private slots:
    void init() { Uroven = Variant<int>(); }

    // The cells
    void cellsSayTheirRowColumnAndNumber();
    void cellsSayTheirPartInTheGame();
    void computersChoiceIsSaid();
    void computersMoveAndEveryScoreAreHeardUnasked();
    void focusedCellTellsTheLastMoveOnce_data();
    void focusedCellTellsTheLastMoveOnce();
    void clockPointIsANoticeWhereverTheFocusIs();
    void pressingACellTakesItOnlyWhereAClickWould();

    // The other controls
    void scoresClockAndMatchSayWhatTheyAre();
    void sizeOptionsSayWhatTheyAre();
};

void TestAccessibility::cellsSayTheirRowColumnAndNumber()
{
    Dravik w;
    QCOMPARE(nameOf(w.kK[0]), QStringLiteral("Row 1, column 1")); // no number before a game
    QCOMPARE(nameOf(w.kK[99]), QStringLiteral("Row 10, column 10"));
    playThreeMoves(w);
    QCOMPARE(nameOf(w.kK[0]), QStringLiteral("Row 1, column 1: 1"));
    QCOMPARE(nameOf(w.kK[9]), QStringLiteral("Row 1, column 10")); // off the 5 x 5 board
    QCOMPARE(nameOf(w.kK[23]), QStringLiteral("Row 3, column 4: 9"));
    QCOMPARE(nameOf(w.kK[10]), QStringLiteral("Row 2, column 1: 2")); // taken keeps its number
    // A cell takes the keyboard and a press, so it is heard as a button.
    QCOMPARE(spoken(w.kK[23])->role(), QAccessible::Button);
}

void TestAccessibility::cellsSayTheirPartInTheGame()
{
    Dravik w;
    playThreeMoves(w);
    for (int taken : {10, 12, 22}) {
        QCOMPARE(descriptionOf(w.kK[std::size_t(taken)]), QStringLiteral("taken"));
        QVERIFY(spoken(w.kK[std::size_t(taken)])->state().invisible);
    }
    for (int open : {20, 21, 23, 24})
        QCOMPARE(descriptionOf(w.kK[std::size_t(open)]),
                 QStringLiteral("open to the player to move"));
    for (int closed : {0, 2, 11, 32, 44})
        QCOMPARE(descriptionOf(w.kK[std::size_t(closed)]), QStringLiteral("not open"));
    for (int outside : {5, 50, 99})
        QCOMPARE(descriptionOf(w.kK[std::size_t(outside)]), QStringLiteral("not on the board"));
}

void TestAccessibility::computersChoiceIsSaid()
{
    Dravik w;
    w.ob[0]->click();
    UrovenVibor = 1; // "Hard", preselected: Enter takes it
    MsgBoxRecorder remark;
    whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    w.m1vsC_Click();
    if (w.Hod == 0) // the person begins: taking the top cell of column 0 hands over
        w.kK_Click(0);
    QCOMPARE(w.Hod, 1);
    QVERIFY(w.TimerCompHod->enabled());
    int red = -1;
    for (int i = 0; i < 100; ++i)
        if (descriptionOf(w.kK[std::size_t(i)]) == QStringLiteral("the computer's choice")) {
            QCOMPARE(red, -1); // only one
            red = i;
        }
    QVERIFY(red >= 0);
    QCOMPARE(w.kK[std::size_t(red)]->backColor(), platform::Red);
    // While the computer chooses, the board takes no clicks, and says so.
    QVERIFY(spoken(w.kK[std::size_t(red)])->state().disabled);
    w.cancelComputerMove();
}

// A blind player learns what the computer takes, and every change of score, without going
// to look: the cell the focus comes back to tells the move and both scores - the first
// move's half included - as the focus arrives, and the notice tells the clock's point.
void TestAccessibility::computersMoveAndEveryScoreAreHeardUnasked()
{
    Dravik w;
    showActive(w);
    w.TimerBliki->setEnabled(false); // their draws would take the scripted numbers
    w.TimerDvizen->setEnabled(false);
    w.TimerCompHod->blockSignals(true);
    w.ob[0]->click();
    UrovenVibor = 1; // "Hard", preselected: Enter takes it
    MsgBoxRecorder remark;
    ScriptedRnd rnd{0.0f};
    scriptSetUp(rnd, 0, Board);
    whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    w.m1vsC_Click();
    showActive(w);
    QCOMPARE(w.Hod, 0);

    AccessibilityListener listener;
    w.kK[20]->setFocus();
    QTest::keyClick(w.kK[20], Qt::Key_Space);       // the 3 of row 3; the computer answers there
    QCOMPARE(w.kK[23]->backColor(), platform::Red); // the 9
    for (int t = 0; t < 4; ++t)
        w.TimerCompHod_Timer();
    const auto back = listener.about(w.kK[3], QAccessible::Focus); // the top of column 4
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0].description, QStringLiteral("I took row 3, column 4: 9. Your score: 3, "
                                                 "Hard's score: 10. open to the player to move"));

    BeepCounter beeps;
    w.lTime->setCaption(QStringLiteral("1"));
    w.TimerTime_Timer(); // the person's time runs out
    const auto told = listener.about(w.notice, QAccessible::ObjectShow);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].name, QStringLiteral("Time ran out: one point off. Your score: 2, "
                                          "Hard's score: 10."));
}

void TestAccessibility::focusedCellTellsTheLastMoveOnce_data()
{
    QTest::addColumn<bool>("againstTheComputer");
    QTest::addColumn<int>("focusAfter");
    QTest::addColumn<int>("nextOpen");
    QTest::addColumn<QString>("news");
    QTest::addColumn<QString>("leaving"); // how the focus leaves the cell, and comes back
    // The person takes the 3 of row 3; "Hard" answers with the 9 of that row, and the focus
    // comes back to the top of column 4.
    QTest::newRow("You vs Me") << true << 3 << 13
                               << "I took row 3, column 4: 9. Your score: 3, Hard's score: 10."
                               << "arrow";
    // The focus goes on to the row just opened.
    const QString move = "Player1 took row 3, column 1: 3. Player1 score: 3, Player2 score: 1.";
    for (const char* leaving : {"arrow", "click on the size option in force", "menu", "window"})
        QTest::addRow("Humans vs Orcs, %s", leaving) << false << 21 << 22 << move << leaving;
}

// A screen reader speaks the cell that takes the focus, description and all: the cell the
// focus comes back to tells the last move and both scores, once - however the focus leaves
// it, by an arrow key, the mouse, a menu or another window, the news goes with it.
void TestAccessibility::focusedCellTellsTheLastMoveOnce()
{
    QFETCH(bool, againstTheComputer);
    QFETCH(int, focusAfter);
    QFETCH(int, nextOpen);
    QFETCH(QString, news);
    QFETCH(QString, leaving);
    Dravik w;
    w.TimerBliki->setEnabled(false); // their draws would take the scripted numbers
    w.TimerDvizen->setEnabled(false);
    w.TimerCompHod->blockSignals(true);
    showActive(w);
    w.ob[0]->click();
    MsgBoxRecorder remark;
    ScriptedRnd rnd;
    if (againstTheComputer) {
        UrovenVibor = 1; // "Hard", preselected: Enter takes it
        rnd.push(0.0f);  // the remark
        scriptSetUp(rnd, 0, Board);
        whenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        w.m1vsC_Click();
        showActive(w);
    } else {
        scriptSetUp(rnd, 0, Board);
        w.m1vs1_Click();
    }
    w.kK[20]->setFocus();
    QTest::keyClick(w.kK[20], Qt::Key_Space);
    if (againstTheComputer)
        for (int t = 0; t < 4; ++t)
            w.TimerCompHod_Timer();

    const auto at = std::size_t(focusAfter);
    QCOMPARE(QApplication::focusWidget(), w.kK[at]);
    QCOMPARE(descriptionOf(w.kK[at]), news + QStringLiteral(" open to the player to move"));
    const auto next = std::size_t(nextOpen);
    QCOMPARE(descriptionOf(w.kK[next]), QStringLiteral("open to the player to move"));
    QWidget other;
    if (leaving == QLatin1String("arrow")) {
        QTest::keyClick(w.kK[at], againstTheComputer ? Qt::Key_Down : Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), w.kK[next]);
    } else if (leaving == QLatin1String("menu")) {
        w.mGame->popup(w.mapToGlobal(QPoint(0, 0)));
    } else if (leaving == QLatin1String("window")) {
        showActive(other);
    } else {
        QTest::mouseClick(w.ob[0], Qt::LeftButton);
    }
    QCOMPARE(descriptionOf(w.kK[at]), QStringLiteral("open to the player to move"));
    w.mGame->close();
    showActive(w);
    w.kK[at]->setFocus();
    QCOMPARE(descriptionOf(w.kK[at]), QStringLiteral("open to the player to move"));
}

// The clock takes its point while the focus stays where it is - here on a size option - so
// a notification, spoken wherever the focus is, tells it; it never shows on the screen.
void TestAccessibility::clockPointIsANoticeWhereverTheFocusIs()
{
    Dravik w;
    showActive(w);
    playThreeMoves(w);
    w.ob[0]->setFocus();
    AccessibilityListener listener;
    BeepCounter beeps;
    w.lTime->setCaption(QStringLiteral("1"));
    w.TimerTime_Timer(); // player 2's time runs out
    const auto told = listener.about(w.notice, QAccessible::ObjectShow);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].name, QStringLiteral("Time ran out: one point off. Player1 score: 9, "
                                          "Player2 score: 6.")); // 7 less the point
    QCOMPARE(spoken(w.notice)->role(), QAccessible::Notification);
    QVERIFY(!w.notice->isVisible());
}

void TestAccessibility::pressingACellTakesItOnlyWhereAClickWould()
{
    Dravik w;
    showActive(w);
    playThreeMoves(w);
    QVERIFY(spoken(w.kK[21])->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    press(w.kK[1]); // not in the open row
    QVERIFY(w.kK[1]->isVisible());
    QCOMPARE(w.Hod, 1);

    press(w.kK[21]);
    QVERIFY(!w.kK[21]->isVisible());
    QCOMPARE(descriptionOf(w.kK[21]), QStringLiteral("taken"));
    QCOMPARE(w.Hod, 0);
    QCOMPARE(w.Liniya, 1); // the column through the cell taken

    // Pressing a taken cell again does nothing, as a click cannot reach it.
    press(w.kK[21]);
    QCOMPARE(w.Hod, 0);
    // A plain label takes no press.
    QVERIFY(!spoken(w.lPl[0])->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
}

void TestAccessibility::scoresClockAndMatchSayWhatTheyAre()
{
    Dravik w;
    QCOMPARE(nameOf(w.lPl[0]), QStringLiteral("Score of player 1"));
    QCOMPARE(nameOf(w.lTime), QStringLiteral("Turn clock"));
    playThreeMoves(w);
    w.TimerTime_Timer(); // the clock starts its count
    w.LabelS[1]->setCaption(QStringLiteral("2"));

    QCOMPARE(nameOf(w.lPl[0]), QStringLiteral("Score of player 1: 9")); // 2 + 7
    QCOMPARE(nameOf(w.lPl[1]), QStringLiteral("Score of player 2: ") + w.lPl[1]->caption());
    QVERIFY(!w.lPl[1]->caption().isEmpty());
    QCOMPARE(nameOf(w.lTime), QStringLiteral("Turn clock: ") + w.lTime->caption());
    QVERIFY(!w.lTime->caption().isEmpty());
    QCOMPARE(nameOf(w.LabelS[0]), QStringLiteral("Games won by player 1"));
    QCOMPARE(nameOf(w.LabelS[1]), QStringLiteral("Games won by player 2: 2"));
    QCOMPARE(spoken(w.lPl[0])->role(), QAccessible::StaticText);
    // A caption that names its neighbour is heard as it reads.
    QCOMPARE(nameOf(w.label[0]), QStringLiteral("Player1 score:"));
    QCOMPARE(nameOf(w.labelT), QStringLiteral("Time:"));
}

void TestAccessibility::sizeOptionsSayWhatTheyAre()
{
    Dravik w;
    const QStringList expected{QStringLiteral("Board of 5 by 5 cells"),
                               QStringLiteral("Board of 8 by 8 cells"),
                               QStringLiteral("Board of 10 by 10 cells")};
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(nameOf(w.ob[i]), expected[qsizetype(i)]);
        QCOMPARE(spoken(w.ob[i])->role(), QAccessible::RadioButton);
    }
    w.ob[1]->click();
    QVERIFY(spoken(w.ob[1])->state().checked);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
