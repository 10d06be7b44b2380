#include "game/ProgramWide.h"
#include "platform/screenreader/LabelAccessible.h"
#include "rules/Scoring.h"
#include "rules/Strength.h"
#include "ui/Dravik.h"

// One move: a person's click on a cell, or the computer's move played through the same
// door. Only a white or red cell can be taken, and only while the clock runs.
void Dravik::kK_Click(int Index)
{
    if (Index < 0 || Index >= int(kK.size()))
        return;
    if (!cellOpen(Index) || !gameRunning())
        return;

    kK[std::size_t(Index)]->setVisible(false);
    const int v = cellValue(Index);
    Ochki[std::size_t(Hod)] =
        scoring::addToScore(Ochki[std::size_t(Hod)], scoring::moverGain(v, Uroven, Hod, Ochki[0]));

    // The opponent of a game's first move gets half its value: an empty score label means
    // that player's score has not been shown in this game yet.
    const int o = (Hod + 1) % 2;
    if (!scoreShown(o)) {
        Ochki[std::size_t(o)] =
            scoring::addToScore(Ochki[std::size_t(o)], scoring::firstMoveCompensation(v));
        showScore(o);
    }
    showScore(Hod);

    if (!twoPeople(Uroven) && Pole.contains(Index / 10, Index % 10))
        Pole(Index / 10, Index % 10) = 0;

    tellMove(Index, Hod);

    PogasiKletki();
    lPl[std::size_t(Hod)]->setBackColor(platform::ButtonFace);
    Hod = (Hod + 1) % 2;
    lTime->setCaption(QString()); // the clock starts again from its full count
    lPl[std::size_t(Hod)]->setBackColor(platform::White);
    EstHod = 0;
    openLineThrough(Index);

    if (EstHod == 0)
        GameOver();
    // The computer goes through its choosing phase even after the game has ended: its move
    // is then refused because the clock is off, and the board is enabled again.
    if (!twoPeople(Uroven) && Hod == 1)
        ComputerHod();
}

// Player 0 must answer in the column of the cell just taken, player 1 in its row. The whole
// line is painted, taken cells included; only cells still on the board count as a move.
void Dravik::openLineThrough(int Index)
{
    Liniya = Hod == 0 ? Index % 10 : Index / 10;
    for (int i = 0; i < Razmer; ++i) {
        const int cell = Hod == 0 ? cellIndex(i, Liniya) : cellIndex(Liniya, i);
        kK[std::size_t(cell)]->setBackColor(platform::White);
        if (cellOnBoard(cell))
            EstHod = 1;
    }
}

void Dravik::showScore(int player)
{
    platform::Label* score = lPl[std::size_t(player)];
    score->setCaption(QString::number(Ochki[std::size_t(player)]));
    platform::reportNameChanged(score); // a screen reader hears every change of score
}
