// A whole two-person match, played as people play it: real shortcuts, real clicks on the
// cells, and the real message boxes answered with Enter.
#include "RealModal.h"
#include "ui/Dravik.h"

#include <QRadioButton>
#include <QTest>

class TestMatch : public QObject
{
    Q_OBJECT

    static platform::Label* openCell(Dravik& w)
    {
        for (auto* cell : w.kK) {
            if (cell->isVisible() && cell->backColor() == platform::White)
                return cell;
        }
        return nullptr;
    }

    static void activate(Dravik& w)
    {
        // After a modal box closes offscreen no window is active; shortcuts need one.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

private slots:
    void twoPeoplePlayAMatchToItsEnd()
    {
        Dravik w;
        w.show();
        activate(w);
        QTest::mouseClick(w.ob[0], Qt::LeftButton, {}, QPoint(6, w.ob[0]->height() / 2));
        QCOMPARE(w.Razmer, 5);

        BoxAnswerer boxes;
        int games = 0;
        while (!boxes.titles.contains(QStringLiteral("Congratulations"))) {
            QVERIFY2(games < 40, "no side won three games");
            activate(w);
            QTest::keyClick(&w, Qt::Key_F2);
            QVERIFY(w.TimerTime->enabled());
            ++games;
            while (w.TimerTime->enabled()) {
                platform::Label* cell = openCell(w);
                QVERIFY2(cell, "a running game with no open cell");
                const int before = boxes.titles.size();
                QTest::mouseClick(cell, Qt::LeftButton);
                QVERIFY(cell->isHidden());
                if (!w.TimerTime->enabled())
                    QTRY_VERIFY(boxes.titles.size() > before);
            }
        }
        QVERIFY(games >= 3);
        const int last = boxes.titles.size() - 1;
        QCOMPARE(boxes.titles[last - 1], QStringLiteral("Game Over"));
        QVERIFY(boxes.texts[last].endsWith(QStringLiteral(" is\nWINNER!")));
        QCOMPARE(boxes.titles.count(QStringLiteral("Game Over")), games);
        QVERIFY(w.LabelS[0]->caption().isEmpty() && w.LabelS[1]->caption().isEmpty());
    }
};

QTEST_MAIN(TestMatch)
#include "test_match.moc"
