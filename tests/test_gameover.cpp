// The end of a game and of a match: who wins, what is said, and in which order.
#include "Seams.h"
#include "game/ProgramWide.h"
#include "rules/MatchTexts.h"
#include "ui/Dravik.h"

#include <QRadioButton>
#include <QTest>

class TestGameOver : public QObject
{
    Q_OBJECT

    // A window whose game is running with the given scores, as GameOver finds it.
    static void runningGame(Dravik& w, int uroven, std::int16_t score0, std::int16_t score1)
    {
        w.ob[0]->click();
        Uroven = uroven;
        w.TimerTime->setEnabled(true);
        w.Ochki = {score0, score1};
    }

private slots:
    void init() { Uroven = Variant<int>(); }

    void higherScoreWinsAndTieGoesToSideOne_data()
    {
        QTest::addColumn<int>("score0");
        QTest::addColumn<int>("score1");
        QTest::addColumn<int>("winner");
        QTest::newRow("side 0 ahead") << 13 << 12 << 0;
        QTest::newRow("tie") << 12 << 12 << 1;
        QTest::newRow("side 1 ahead") << -3 << -2 << 1;
    }
    void higherScoreWinsAndTieGoesToSideOne()
    {
        QFETCH(int, score0);
        QFETCH(int, score1);
        QFETCH(int, winner);
        Dravik w;
        runningGame(w, -1, std::int16_t(score0), std::int16_t(score1));
        w.lPl[std::size_t(1 - winner)]->setBackColor(platform::White);
        MsgBoxRecorder boxes;
        w.GameOver();
        QVERIFY(!w.TimerTime->enabled());
        QCOMPARE(w.lPl[std::size_t(winner)]->backColor(), platform::Red);
        QCOMPARE(w.lPl[std::size_t(1 - winner)]->backColor(), platform::White);
        QCOMPARE(w.LabelS[std::size_t(winner)]->caption(), QStringLiteral("1"));
        QVERIFY(w.LabelS[std::size_t(1 - winner)]->caption().isEmpty());
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].style, 48);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Game Over"));
    }

    void theFourGameTexts_data()
    {
        QTest::addColumn<int>("uroven");
        QTest::addColumn<int>("score0");
        QTest::addColumn<QString>("text");
        QTest::newRow("Player1") << -1 << 9 << QStringLiteral("Player1 win!");
        QTest::newRow("Player2") << -1 << 0 << QStringLiteral("Player2 win!");
        QTest::newRow("You") << 2 << 9 << QStringLiteral("You  win!");
        QTest::newRow("I") << 0 << 0 << QStringLiteral("I win!");
    }
    void theFourGameTexts()
    {
        QFETCH(int, uroven);
        QFETCH(int, score0);
        QFETCH(QString, text);
        Dravik w;
        runningGame(w, uroven, std::int16_t(score0), 4);
        MsgBoxRecorder boxes;
        w.GameOver();
        QCOMPARE(boxes.calls.at(0).prompt, text);
    }

    void thirdWinAnnouncesTheMatchAfterTheGameThenStartsANewOne()
    {
        Dravik w;
        runningGame(w, 3, 20, 10);
        w.LabelS[0]->setCaption(QStringLiteral("2"));
        w.LabelS[1]->setCaption(QStringLiteral("2"));
        MsgBoxRecorder boxes;
        boxes.onBox = [&](const MsgBoxCall&) {
            // The counters are cleared for the next match only once both boxes are read.
            QCOMPARE(w.LabelS[0]->caption(), QStringLiteral("3"));
            QCOMPARE(w.LabelS[1]->caption(), QStringLiteral("2"));
        };
        w.GameOver();
        QCOMPARE(boxes.calls.size(), 2);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Game Over"));
        QCOMPARE(boxes.calls[1].title, QStringLiteral("Congratulations"));
        QCOMPARE(boxes.calls[1].style, 64);
        QCOMPARE(boxes.calls[1].prompt, QStringLiteral("You are\nWINNER!"));
        QVERIFY(w.LabelS[0]->caption().isEmpty() && w.LabelS[1]->caption().isEmpty());
        QCOMPARE(w.lPl[0]->backColor(), platform::Red); // the board and scores stay on view
        QCOMPARE(w.Ochki[0], 20);
    }

    void computersMatchIsAnnouncedInTheFirstPerson()
    {
        QCOMPARE(matchtexts::matchWonText(matchtexts::winnerPhrase(1, false)),
                 std::string("I am\nWINNER!"));
        QCOMPARE(matchtexts::matchWonText(matchtexts::winnerPhrase(0, true)),
                 std::string("Player1 is\nWINNER!"));
    }

    void secondWinIsNoMatch()
    {
        Dravik w;
        runningGame(w, -1, 1, 5);
        w.LabelS[1]->setCaption(QStringLiteral("1"));
        MsgBoxRecorder boxes;
        w.GameOver();
        QCOMPARE(w.LabelS[1]->caption(), QStringLiteral("2"));
        QCOMPARE(boxes.calls.size(), 1);
    }

    void strengthTitles()
    {
        QCOMPARE(matchtexts::strengthScoreTitle(0), std::string("Easy's score:"));
        QCOMPARE(matchtexts::strengthScoreTitle(1), std::string("Hard's score:"));
        QCOMPARE(matchtexts::strengthScoreTitle(2), std::string("God's score:"));
        QCOMPARE(matchtexts::strengthScoreTitle(3), std::string("Satan's score:"));
        // The strength dialog sets nothing else; any other value is titled as "Easy".
        QCOMPARE(matchtexts::strengthScoreTitle(-1), std::string("Easy's score:"));
        QCOMPARE(matchtexts::strengthScoreTitle(4), std::string("Easy's score:"));
    }
};

QTEST_MAIN(TestGameOver)
#include "test_gameover.moc"
