// The glints over the title picture and the "Satan" shake of the window.
#include "Seams.h"
#include "game/ProgramWide.h"
#include "platform/runtime/Image.h"
#include "rules/GlintPhase.h"
#include "rules/ShakeStep.h"
#include "ui/Dravik.h"

#include <QScreen>
#include <QTest>
#include <cmath>

namespace {

const float Starts = 0.05f; // a draw that starts an idle glint
const float Idles = 0.5f;   // one that does not

// The decorative timers are ticked by hand.
void stopDecorativeTimers(Dravik& w)
{
    w.TimerBliki->setEnabled(false);
    w.TimerDvizen->setEnabled(false);
}

bool onScreen(const Dravik& w)
{
    return w.screen()->availableGeometry().contains(w.frameGeometry());
}

} // namespace

class TestAnimation : public QObject
{
    Q_OBJECT

    static void showAt(Dravik& w, QPoint position)
    {
        stopDecorativeTimers(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.move(position);
        QCOMPARE(w.frameGeometry().topLeft(), position);
    }

private slots:
    void init() { Uroven = Variant<int>(); }

    // --- Glint phases ---

    void glintRunsThroughFourFramesAndClears()
    {
        GlintTick t = glintTick(0, Starts);
        QCOMPARE(t.phase, 1);
        QCOMPARE(t.show, GlintTick::Show::Unchanged); // nothing on the starting tick
        for (int frame = 0; frame < 4; ++frame) {
            t = glintTick(t.phase, Idles);
            QCOMPARE(t.show, GlintTick::Show::Frame);
            QCOMPARE(t.frame, frame);
            QCOMPARE(t.phase, frame + 2);
        }
        t = glintTick(t.phase, Idles);
        QCOMPARE(t.show, GlintTick::Show::Nothing);
        QCOMPARE(t.phase, 0);
    }

    void idleGlintStartsBelowOneTenth_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("phase");
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("just below 0.1") << std::nextafter(0.1f, 0.0f) << 1;
        QTest::newRow("0.1") << 0.1f << 0;
        QTest::newRow("0.99") << 0.99f << 0;
    }
    void idleGlintStartsBelowOneTenth()
    {
        QFETCH(float, r);
        QFETCH(int, phase);
        const GlintTick t = glintTick(0, r);
        QCOMPARE(t.phase, phase);
        QCOMPARE(t.show, GlintTick::Show::Unchanged);
    }

    void startedGlintIgnoresTheDraws()
    {
        for (int phase = 1; phase <= 5; ++phase) {
            const GlintTick expected = glintTick(phase, Idles);
            for (float r : {0.0f, Starts, 0.1f, 0.99f}) {
                const GlintTick t = glintTick(phase, r);
                QCOMPARE(t.phase, expected.phase);
                QCOMPARE(t.show, expected.show);
                QCOMPARE(t.frame, expected.frame);
            }
        }
    }

    // --- TimerBliki ---

    void glintShowsTheStripFramesThenTheTitle()
    {
        Dravik w;
        stopDecorativeTimers(w);
        QVERIFY(w.Kadr1.isEmpty()); // no value yet: it acts as idle
        ScriptedRnd rnd{Starts, Idles};
        w.TimerBliki_Timer();
        QCOMPARE(int(w.Kadr1), 1);
        QCOMPARE(w.Image1->picture(), nullptr);
        for (int frame = 0; frame < 4; ++frame) {
            rnd.push(Starts); // a started glint runs on whatever is drawn
            rnd.push(Idles);
            w.TimerBliki_Timer();
            QCOMPARE(w.Image1->picture(), &w.PictureClip1.GraphicCell(frame));
            QCOMPARE(w.Image2->picture(), nullptr);
        }
        rnd.push(Idles);
        rnd.push(Idles);
        w.TimerBliki_Timer();
        QCOMPARE(w.Image1->picture(), nullptr);
        QCOMPARE(int(w.Kadr1), 0);
        QCOMPARE(w.Kadr2, 0);
        QCOMPARE(rnd.draws(), 12); // one draw per image on every tick
    }

    // A glint stays opaque however it shows, so between its frames it paints the title's
    // part itself: what the window shows there is read back from the screen.
    void aGlintShowsItsFrameOrTheTitleBeneath()
    {
        Dravik w;
        showAt(w, QPoint(0, 0));
        const QRect inTitle = w.Image1->geometry() & w.pic->rect(); // the title clips it
        const QRect spot = inTitle.translated(w.pic->mapTo(&w, QPoint(0, 0)));
        const auto shown = [&] {
            QCoreApplication::sendPostedEvents(); // the repaint the new picture asked for
            return w.screen()
                ->grabWindow(w.winId(), spot.x(), spot.y(), spot.width(), spot.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        const auto part = [](const QPixmap& p, const QRect& r) {
            return p.toImage().convertToFormat(QImage::Format_RGB32).copy(r);
        };
        const QPixmap& frame = w.PictureClip1.GraphicCell(2);
        w.Image1->setPicture(&frame);
        QCOMPARE(shown(), part(frame, inTitle.translated(-w.Image1->pos())));
        w.Image1->setPicture(nullptr);
        QCOMPARE(shown(), part(*w.pic->picture(), inTitle));
    }

    void theTwoImagesGlintIndependently()
    {
        // Image1 draws first on each tick. Image2 starts two ticks after Image1.
        Dravik w;
        stopDecorativeTimers(w);
        ScriptedRnd rnd{Starts, Idles, Idles, Idles, Idles, Starts};
        w.TimerBliki_Timer();
        w.TimerBliki_Timer();
        w.TimerBliki_Timer();
        QCOMPARE(w.Image1->picture(), &w.PictureClip1.GraphicCell(1));
        QCOMPARE(w.Image2->picture(), nullptr);
        QCOMPARE(w.Kadr2, 1);
        for (int i = 0; i < 4; ++i)
            rnd.push(Idles);
        w.TimerBliki_Timer();
        w.TimerBliki_Timer();
        QCOMPARE(w.Image1->picture(), &w.PictureClip1.GraphicCell(3));
        QCOMPARE(w.Image2->picture(), &w.PictureClip2.GraphicCell(1));
        QVERIFY(rnd.exhausted());
    }

    void glintsPlayOnTheirOwnTimer()
    {
        // The real timer and generator: a glint starts on about one idle tick in ten, so
        // both images show a frame within seconds; missing one for 30 seconds would take
        // 150 idle ticks in a row (chance 0.9^150, about 1e-7).
        Dravik w;
        bool seen1 = false;
        bool seen2 = false;
        connect(w.TimerBliki, &QTimer::timeout, &w, [&] {
            seen1 = seen1 || w.Image1->picture() != nullptr;
            seen2 = seen2 || w.Image2->picture() != nullptr;
        });
        QTRY_VERIFY_WITH_TIMEOUT(seen1 && seen2, 30000);
    }

    // --- The shake step ---

    void shakeStepStaysWithinAHundredTwips()
    {
        for (int k = 0; k < 1000; ++k) {
            const float r = float(k) / 1000.0f;
            const int moved = shakeAxis(300, r, 0, 1000);
            QVERIFY2(std::abs(moved - 300) * 15 <= 100, qPrintable(QString::number(r)));
        }
        QCOMPARE(shakeAxis(300, 0.5f, 0, 1000), 300);
        QCOMPARE(shakeAxis(300, 0.0f, 0, 1000), 300 - 6);   // -100 twips
        QCOMPARE(shakeAxis(300, 0.999f, 0, 1000), 300 + 6); // +99.8 twips
        // Whole pixels towards the old position: 10 twips is no pixel yet, 20 twips is one.
        QCOMPARE(shakeAxis(300, 0.55f, 0, 1000), 300);
        QCOMPARE(shakeAxis(300, 0.6f, 0, 1000), 301);
        QCOMPARE(shakeAxis(300, 0.4f, 0, 1000), 299);
    }

    void shakeStepIsHeldInsideTheScreen()
    {
        QCOMPARE(shakeAxis(0, 0.0f, 0, 500), 0);
        QCOMPARE(shakeAxis(3, 0.0f, 0, 500), 0);
        QCOMPARE(shakeAxis(500, 0.999f, 0, 500), 500);
        QCOMPARE(shakeAxis(498, 0.999f, 0, 500), 500);
        QCOMPARE(shakeAxis(40, 0.999f, 40, 20), 40); // larger than the screen: its top-left
    }

    // --- TimerDvizen ---

    void windowStaysPutUnlessSatanAndTheBoardIsOpen_data()
    {
        QTest::addColumn<int>("uroven"); // -2: before any game, no value
        QTest::addColumn<bool>("cellZeroEnabled");
        QTest::newRow("before any game") << -2 << true;
        QTest::newRow("two people") << -1 << true;
        QTest::newRow("Easy") << 0 << true;
        QTest::newRow("Hard") << 1 << true;
        QTest::newRow("God") << 2 << true;
        QTest::newRow("a value that names no strength") << 7 << true;
        QTest::newRow("Satan, computer choosing") << 3 << false;
    }
    void windowStaysPutUnlessSatanAndTheBoardIsOpen()
    {
        QFETCH(int, uroven);
        QFETCH(bool, cellZeroEnabled);
        Dravik w;
        showAt(w, {100, 100});
        if (uroven != -2)
            Uroven = uroven;
        w.kK[0]->setEnabled(cellZeroEnabled);
        ScriptedRnd rnd; // no draw is allowed
        for (int i = 0; i < 20; ++i)
            w.TimerDvizen_Timer();
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(100, 100));
        QCOMPARE(rnd.draws(), 0);
    }

    void satanMovesTopFirstThenLeft()
    {
        Dravik w;
        showAt(w, {100, 100});
        Uroven = 3;
        ScriptedRnd rnd{0.0f, 0.999f};
        w.TimerDvizen_Timer();
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(100 + 6, 100 - 6));
        rnd.push(0.5f);
        rnd.push(0.5f);
        w.TimerDvizen_Timer();
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(106, 94));
    }

    void satanShakeNeverLeavesTheScreen()
    {
        Dravik w;
        const QRect area = w.screen()->availableGeometry();
        showAt(w, area.topLeft());
        Uroven = 3;
        {
            ScriptedRnd rnd{0.0f, 0.0f}; // pushed against the top-left corner
            w.TimerDvizen_Timer();
            QCOMPARE(w.frameGeometry().topLeft(), area.topLeft());
        }
        QSet<int> lefts;
        for (int i = 0; i < 3000; ++i) { // the real generator: a long walk
            w.TimerDvizen_Timer();
            QVERIFY(onScreen(w));
            lefts.insert(w.frameGeometry().left());
        }
        QVERIFY(lefts.size() > 10); // it did wander
    }
};

QTEST_MAIN(TestAnimation)
#include "test_animation.moc"
