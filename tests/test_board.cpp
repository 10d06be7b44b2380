// The window as the player first sees it, the board grid, the size choice and the
// board-display resets.
#include "Boards.h"
#include "Layout.h"
#include "game/ProgramWide.h"
#include "platform/runtime/Image.h"
#include "ui/Dravik.h"

#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

using platform::ButtonFace;
using platform::White;

namespace {

// The colour a label shows inside its border, where its caption does not reach.
QColor shownBack(platform::Label* label)
{
    return label->grab().toImage().pixelColor(3, 3);
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

    static QList<int> visibleCells(const Dravik& w)
    {
        QList<int> cells;
        for (int i = 0; i < 100; ++i) {
            if (w.kK[std::size_t(i)]->isVisibleTo(&w))
                cells.append(i);
        }
        return cells;
    }

    static QList<int> boardCells(int n)
    {
        QList<int> cells;
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                cells.append(10 * r + c);
        return cells;
    }

private slots:
    void startsWithEmptyGridAndNoSize()
    {
        Dravik w;
        QCOMPARE(w.Razmer, 0);
        QVERIFY(w.RazmerVibor.isEmpty());
        QCOMPARE(visibleCells(w).size(), 100);
        for (auto* cell : w.kK) {
            QVERIFY(cell->caption().isEmpty());
            QCOMPARE(cell->backColor(), ButtonFace);
            QVERIFY(cell->isEnabled());
            QVERIFY(cell->frameStyle() != QFrame::NoFrame);
        }
        for (auto* option : w.ob)
            QVERIFY(!option->isChecked());
        QVERIFY(w.lPl[0]->caption().isEmpty() && w.lPl[1]->caption().isEmpty());
        QVERIFY(w.lTime->caption().isEmpty());
        QVERIFY(!w.TimerTime->enabled() && !w.TimerCompHod->enabled());
        QVERIFY(w.TimerBliki->enabled() && w.TimerDvizen->enabled());
        QCOMPARE(w.TimerBliki->interval(), 200);
        QCOMPARE(w.TimerDvizen->interval(), 50);
        QCOMPARE(w.TimerCompHod->interval(), 300);
        QCOMPARE(w.TimerTime->interval(), 500);
    }

    void cellsFormTenByTenGridFromTopLeft()
    {
        Dravik w;
        auto at = [&](int i) { return w.kK[std::size_t(i)]->geometry(); };
        QCOMPARE(at(0), QRect(24, 8, 25, 25));
        QCOMPARE(at(9), QRect(24 + 9 * 32, 8, 25, 25));
        QCOMPARE(at(10), QRect(24, 40, 25, 25));
        QCOMPARE(at(99), QRect(24 + 9 * 32, 8 + 9 * 32, 25, 25));
        QCOMPARE(at(47).topLeft(), QPoint(24 + 7 * 32, 8 + 4 * 32));
        QCOMPARE(w.kK[37]->objectName(), QStringLiteral("kK_37"));
        QCOMPARE(w.findChild<platform::Label*>(QStringLiteral("kK_99")), w.kK[99]);
    }

    void windowHasItsControlsWhereTheyBelong()
    {
        Dravik w;
        QCOMPARE(w.windowTitle(), QStringLiteral("BLINZOR"));
        QCOMPARE(w.centralWidget()->size(), QSize(522, 345));
        QCOMPARE(misplaced(w, mainWindowLayout), QStringList());
        QCOMPARE(w.labelT->caption(), QStringLiteral("Time:"));
        QCOMPARE(w.fBoard->title(), QStringLiteral("Board"));
        QCOMPARE(w.ob[2]->text(), QStringLiteral("10x10"));
        QVERIFY(w.ob[2]->geometry().right() < w.fBoard->width());
        for (const char* name : {"mGame", "mNew", "mNewGame", "k", "m1vs1", "m1vsC", "mExit",
                                 "mHelp", "mAbout", "TimerTime", "ob_2", "LabelS_0", "label_1"})
            QVERIFY2(w.findChild<QObject*>(QLatin1String(name)), name);
        QVERIFY(w.k->isSeparator());

        // The menus: "New" is a submenu of "Game", its three ways to start split by the
        // separator after "New Blinzor".
        QCOMPARE(w.menuBar()->actions(),
                 (QList<QAction*>{w.mGame->menuAction(), w.mHelp->menuAction()}));
        QCOMPARE(w.mGame->actions(), (QList<QAction*>{w.mNew->menuAction(), w.mExit}));
        QCOMPARE(w.mNew->actions(), (QList<QAction*>{w.mNewGame, w.k, w.m1vs1, w.m1vsC}));
        QCOMPARE(w.mHelp->actions(), QList<QAction*>{w.mAbout});
        const std::pair<QString, QString> captions[] = {
            {w.mGame->title(), "Game"},          {w.mNew->title(), "New"},
            {w.mNewGame->text(), "New Blinzor"}, {w.m1vs1->text(), "Humans vs Orcs"},
            {w.m1vsC->text(), "You vs Me"},      {w.mExit->text(), "Exit"},
            {w.mHelp->title(), "Help"},          {w.mAbout->text(), "Help..."}};
        for (const auto& [shown, caption] : captions)
            QCOMPARE(shown, caption);

        // The numbers on the cells are large and bold.
        for (const platform::Label* cell : w.kK) {
            QCOMPARE(cell->font().pointSize(), 12);
            QVERIFY(cell->font().bold());
        }
    }

    void windowCannotBeResizedOrMaximized()
    {
        Dravik w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize size = w.size();
        QCOMPARE(w.minimumSize(), size);
        QCOMPARE(w.maximumSize(), size);
        w.resize(size + QSize(100, 100));
        QCOMPARE(w.size(), size);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        // The client area lies below the menu bar.
        QCOMPARE(w.centralWidget()->y(), w.menuBar()->height());
    }

    void firstChoiceAppliesEvenForFiveByFive()
    {
        Dravik w;
        w.ob[0]->click();
        QCOMPARE(w.RazmerVibor, 0);
        QCOMPARE(w.Razmer, 5);
        QCOMPARE(visibleCells(w), boardCells(5));
    }

    void eachOptionGivesItsSide_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("side");
        QTest::newRow("5x5") << 0 << 5;
        QTest::newRow("8x8") << 1 << 8;
        QTest::newRow("10x10") << 2 << 10;
    }
    void eachOptionGivesItsSide()
    {
        QFETCH(int, option);
        QFETCH(int, side);
        Dravik w;
        w.ob[std::size_t(option)]->setChecked(true); // chosen by the program: same handler
        QCOMPARE(w.Razmer, side);
        // Row stride 10 on every board: cell 10 is row 1, never the sixth cell of row 0.
        QCOMPARE(visibleCells(w), boardCells(side));
    }

    void sameOptionAgainChangesNothing()
    {
        Dravik w;
        w.ob[1]->click();
        w.kK[0]->setCaption(QStringLiteral("7"));
        w.lPl[0]->setCaption(QStringLiteral("12"));
        w.ob_Click(1);
        QCOMPARE(w.kK[0]->caption(), QStringLiteral("7"));
        QCOMPARE(w.lPl[0]->caption(), QStringLiteral("12"));
    }

    void shrinkingHidesOuterRowsAndColumnsAndGrowingShowsThemEmpty()
    {
        Dravik w;
        w.ob[2]->click();
        w.kK[99]->setCaption(QStringLiteral("9"));
        w.kK[57]->setBackColor(White);
        w.ob[0]->click();
        QCOMPARE(visibleCells(w), boardCells(5));
        for (int i : {5, 9, 50, 57, 99})
            QCOMPARE(w.kK[std::size_t(i)]->backColor(), ButtonFace);
        w.ob[2]->click();
        QCOMPARE(visibleCells(w).size(), 100);
        for (auto* cell : w.kK) {
            QVERIFY(cell->caption().isEmpty());
            QCOMPARE(cell->backColor(), ButtonFace);
        }
    }

    void choosingSizeAbandonsTheGame()
    {
        Dravik w;
        w.ob[1]->click();
        w.TimerTime->setEnabled(true);
        w.Ochki = {5, 7};
        w.lPl[0]->setCaption(QStringLiteral("5"));
        w.LabelS[0]->setCaption(QStringLiteral("2"));
        w.ob[0]->click();
        QVERIFY(!w.TimerTime->enabled());
        QCOMPARE(w.Ochki[0], 0);
        QVERIFY(w.lPl[0]->caption().isEmpty());
        QCOMPARE(w.LabelS[0]->caption(), QStringLiteral("2")); // the match goes on
    }

    void clearEmptiesScoreLabelsRatherThanShowingZero()
    {
        Dravik w;
        w.TimerTime->setEnabled(true);
        w.Ochki = {3, -2};
        for (std::size_t p = 0; p < 2; ++p) {
            w.lPl[p]->setCaption(QStringLiteral("3"));
            w.lPl[p]->setBackColor(platform::Red);
            w.label[p]->setCaption(QStringLiteral("Player1 score:"));
        }
        w.lTime->setCaption(QStringLiteral("12"));
        w.Clear();
        QVERIFY(!w.TimerTime->enabled());
        QVERIFY(w.lTime->caption().isEmpty());
        for (std::size_t p = 0; p < 2; ++p) {
            QCOMPARE(w.Ochki[p], 0);
            QCOMPARE(w.lPl[p]->caption(), QString());
            QCOMPARE(w.lPl[p]->backColor(), ButtonFace);
            QVERIFY(w.label[p]->caption().isEmpty());
        }
    }

    void displayResetsTouchNothingWithoutABoard()
    {
        Dravik w;
        for (auto* cell : w.kK)
            cell->setBackColor(White);
        w.PogasiKletki();
        w.PokaziKletki(0);
        for (auto* cell : w.kK) {
            QCOMPARE(cell->backColor(), White);
            QVERIFY(cell->isEnabled());
        }
    }

    void displayResetsTouchOnlyBoardCells()
    {
        Dravik w;
        w.ob[0]->click();
        for (auto* cell : w.kK)
            cell->setBackColor(White);
        w.PogasiKletki();
        w.PokaziKletki(0);
        const QList<int> board = boardCells(5);
        for (int i = 0; i < 100; ++i) {
            const bool on = board.contains(i);
            QCOMPARE(w.kK[std::size_t(i)]->backColor(), on ? ButtonFace : White);
            QCOMPARE(w.kK[std::size_t(i)]->isEnabled(), !on);
        }
        w.PokaziKletki(-1); // any non-zero flag enables
        for (int i : board)
            QVERIFY(w.kK[std::size_t(i)]->isEnabled());
    }

    void backColorsReadBackExactly()
    {
        Dravik w;
        for (platform::Color c :
             {platform::ButtonFace, platform::White, platform::Red, rgb(1, 2, 3)}) {
            w.kK[3]->setBackColor(c);
            QCOMPARE(w.kK[3]->backColor(), c);
        }
        w.kK[3]->setBackColor(platform::Red);
        QCOMPARE(shownBack(w.kK[3]), QColor(255, 0, 0));
        w.kK[3]->setBackColor(rgb(1, 2, 3));
        QCOMPARE(shownBack(w.kK[3]), QColor(1, 2, 3));
        // Button face is a system colour: the palette says what it looks like, and on the
        // board it must stand clearly apart from the white of the open line.
        const QColor face = shownBack(w.kK[4]);
        QCOMPARE(face, w.kK[4]->palette().color(QPalette::Button));
        QVERIFY(face.lightness() < 230);
        w.kK[4]->setBackColor(platform::White);
        QCOMPARE(shownBack(w.kK[4]), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
