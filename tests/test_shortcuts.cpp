// The menu's shortcut keys work from anywhere in the window, a focused cell included.
#include "RealModal.h"
#include "Seams.h"
#include "ui/Dravik.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

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
        MsgBoxRecorder boxes(platform::vbNo); // the refusal without a board, or the ending question
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
};

QTEST_MAIN(TestShortcuts)
#include "test_shortcuts.moc"
