// Leaving the program and the help menu: the ending question on every way out, and the
// About box only while no game is running.
#include "Boards.h"
#include "RealModal.h"
#include "Seams.h"
#include "platform/system/SessionEnd.h"
#include "ui/About.h"
#include "ui/Dravik.h"
#include "ui/StoredTexts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Two people, 5 by 5, player 0 to move; then a first move so the game has a history.
void startGame(Dravik& w)
{
    w.ob[0]->setChecked(true);
    ScriptedRnd rnd;
    scriptSetUp(rnd, 0, QList<int>(25, 7));
    w.m1vs1_Click();
    w.kK_Click(20);
}

// Everything a player could see of a game, for telling whether it went on untouched.
QStringList gameAsSeen(const Dravik& w)
{
    QStringList seen;
    for (const platform::Label* cell : w.kK)
        seen << cell->caption() + (cell->isVisibleTo(&w) ? "" : "-hidden") +
                    QString::number(cell->backColor(), 16);
    for (const platform::Label* score : w.lPl)
        seen << score->caption() + QString::number(score->backColor(), 16);
    seen << w.lTime->caption() << QString::number(w.Hod) << QString::number(w.Liniya)
         << QString::number(w.Ochki[0]) << QString::number(w.Ochki[1])
         << (w.TimerTime->enabled() ? "clock running" : "clock stopped");
    return seen;
}

// A desktop session that is ending, as the game sees it; it records the game's answer.
class SessionStandIn : public platform::SessionEnd
{
public:
    explicit SessionStandIn(bool interaction) : interaction_(interaction) {}

    bool allowsInteraction() override { return interaction_; }
    void release() override { ++released; }
    void cancel() override { ++cancelled; }

    int released = 0;
    int cancelled = 0;

private:
    bool interaction_;
};

// The toolkit's session manager, which no test can make: it records what it is told.
struct ManagerStandIn
{
    bool interaction = false;
    QStringList told;

    bool allowsInteraction()
    {
        told << QStringLiteral("allowsInteraction");
        return interaction;
    }
    void release() { told << QStringLiteral("release"); }
    void cancel() { told << QStringLiteral("cancel"); }
};

void verifyEndingQuestion(const Dravik& w, const MsgBoxCall& call)
{
    QCOMPARE(call.prompt, w.Transl(StoredTexts::endingQuestion));
    QCOMPARE(call.style, 292);
    QCOMPARE(call.title, QStringLiteral("Ending"));
}

} // namespace

class TestLeaving : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Closing a test's window must not end the test run.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // --- Leaving ---

    void closingAndNoKeepsTheGameGoing()
    {
        Dravik w;
        showActive(w);
        startGame(w);
        QVERIFY(w.TimerTime->enabled());
        const QStringList before = gameAsSeen(w);
        MsgBoxRecorder boxes(rules::vbNo);
        EndCounter ends;

        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(gameAsSeen(w), before);
        QCOMPARE(boxes.calls.size(), 1);
        verifyEndingQuestion(w, boxes.calls[0]);
        QCOMPARE(ends.count, 0);
    }

    void closingAndYesClosesAfterOneQuestion()
    {
        Dravik w;
        showActive(w);
        startGame(w);
        MsgBoxRecorder boxes(rules::vbYes);
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        QCOMPARE(boxes.calls.size(), 1);
        verifyEndingQuestion(w, boxes.calls[0]);
    }

    void exitAndYesEndsAtOnce()
    {
        Dravik w;
        showActive(w);
        MsgBoxRecorder boxes(rules::vbYes);
        EndCounter ends;
        w.mExit_Click();
        QCOMPARE(ends.count, 1);
        QCOMPARE(boxes.calls.size(), 1);
        verifyEndingQuestion(w, boxes.calls[0]);
        QVERIFY(w.isVisible()); // the window was not asked to close: no second question
    }

    void exitAndNoChangesNothing()
    {
        Dravik w;
        showActive(w);
        startGame(w);
        const QStringList before = gameAsSeen(w);
        MsgBoxRecorder boxes(rules::vbNo);
        EndCounter ends;
        w.mExit_Click();
        QCOMPARE(ends.count, 0);
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(gameAsSeen(w), before);
        QVERIFY(w.isVisible());
    }

    // The session asks the question too. Yes ends the program then and there, since closing
    // the window would ask again; No keeps it, and the session, running. Where the session
    // allows no questions, the program ends with it unasked.
    void sessionEndAsksWhereTheSessionAllowsIt()
    {
        Dravik w;
        showActive(w);
        startGame(w);
        const QStringList before = gameAsSeen(w);
        struct Case
        {
            bool interaction;
            int answer;
            int questions, released, cancelled, ends;
        };
        for (const Case& c :
             {Case{true, rules::vbNo, 1, 1, 1, 0}, Case{true, rules::vbYes, 1, 1, 0, 1},
              Case{false, rules::vbNo, 0, 0, 0, 0}}) {
            MsgBoxRecorder boxes(c.answer);
            SessionStandIn session(c.interaction);
            EndCounter ends;
            boxes.onBox = [&](const MsgBoxCall&) { QCOMPARE(session.released, 0); };
            platform::announceSessionEnd(session); // as the desktop's notice arrives
            QCOMPARE(boxes.calls.size(), c.questions);
            if (c.questions > 0)
                verifyEndingQuestion(w, boxes.calls[0]);
            QCOMPARE(session.released, c.released);
            QCOMPARE(session.cancelled, c.cancelled);
            QCOMPARE(ends.count, c.ends);
            QCOMPARE(gameAsSeen(w), before); // the game goes on, or the program ends as it is
            QVERIFY(w.isVisible());          // ended, not closed: no second question
        }
    }

    // The game's answer reaches the session manager as given: a release lets the other
    // programs ask their users, a cancel keeps the session.
    void sessionManagerHearsEachAnswerAsGiven()
    {
        using Call = bool (*)(platform::SessionEnd&);
        const struct
        {
            bool interaction;
            Call call;
            bool answer;
            QString told;
        } cases[] = {
            {false, [](platform::SessionEnd& s) { return s.allowsInteraction(); }, false,
             "allowsInteraction"},
            {true, [](platform::SessionEnd& s) { return s.allowsInteraction(); }, true,
             "allowsInteraction"},
            {true, [](platform::SessionEnd& s) { return s.release(), false; }, false, "release"},
            {true, [](platform::SessionEnd& s) { return s.cancel(), false; }, false, "cancel"},
        };
        for (const auto& c : cases) {
            ManagerStandIn manager{c.interaction, {}};
            platform::ManagedSessionEnd<ManagerStandIn> session(manager);
            QCOMPARE(c.call(session), c.answer);
            QCOMPARE(manager.told, QStringList{c.told});
        }
    }

    void enterAtTheRealQuestionAnswersNo()
    {
        Dravik w;
        showActive(w);
        EndCounter ends;
        QString title, text, defaultButton;
        whenModalAppears([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                title = box->windowTitle();
                text = box->text();
                defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            }
            QTest::keyClick(modal, Qt::Key_Return);
        });
        QVERIFY(!w.close());
        QCOMPARE(title, QStringLiteral("Ending"));
        QCOMPARE(text, w.Transl(StoredTexts::endingQuestion));
        QCOMPARE(defaultButton, QStringLiteral("&No"));
        QVERIFY(w.isVisible());
        QCOMPARE(ends.count, 0);
    }

    // --- Help ---

    void helpIsRefusedWhileTheClockRuns()
    {
        Dravik w;
        showActive(w);
        w.TimerTime->setEnabled(true);
        // Should a box open after all, close it so the test fails instead of hanging.
        bool boxOpened = false;
        QTimer::singleShot(2000, &w, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                boxOpened = true;
                modal->close();
            }
        });
        MsgBoxRecorder boxes;
        w.mAbout_Click();
        QVERIFY(!boxOpened);
        QVERIFY(w.findChildren<About*>().isEmpty());
        QVERIFY(boxes.calls.isEmpty());
        QVERIFY(w.TimerTime->enabled());
    }

    void helpShowsTheAboutBoxModally()
    {
        Dravik w;
        showActive(w);
        bool sawAbout = false;
        bool modal = false;
        QWidget* owner = nullptr;
        whenModalAppears([&](QWidget* shown) {
            if (auto* about = qobject_cast<About*>(shown)) {
                sawAbout = true;
                modal = about->isModal();
                owner = about->parentWidget();
            }
            clickButton(shown, QStringLiteral("OK"));
        });
        w.mAbout_Click(); // returns only once the box is closed
        QVERIFY(sawAbout);
        QVERIFY(modal);
        QCOMPARE(owner, &w);
        QVERIFY(w.findChildren<About*>().isEmpty()); // unloaded on closing
    }

    // --- The keys of the menu ---

    void functionKeysReachTheMenu()
    {
        Dravik w;
        showActive(w);
        {
            MsgBoxRecorder boxes(rules::vbNo);
            QTest::keyClick(&w, Qt::Key_F4);
            QCOMPARE(boxes.calls.size(), 1);
            QCOMPARE(boxes.calls[0].title, QStringLiteral("Ending"));
        }
        bool sawAbout = false;
        whenModalAppears([&](QWidget* shown) {
            sawAbout = qobject_cast<About*>(shown) != nullptr;
            clickButton(shown, QStringLiteral("OK"));
        });
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(sawAbout);
    }
};

QTEST_MAIN(TestLeaving)
#include "test_leaving.moc"
