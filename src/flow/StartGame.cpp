#include "game/ProgramWide.h"
#include "platform/runtime/MsgBox.h"
#include "rules/MatchTexts.h"
#include "rules/Strength.h"
#include "rules/standins/Random.h"
#include "ui/Dravik.h"
#include "ui/MatchWords.h"
#include "ui/Vibor.h"

void Dravik::m1vs1_Click()
{
    if (!clearForNewGame(tr("Player1 score:"), tr("Player2 score:")))
        return;
    Uroven = urovenOf(Strength::TwoPeople);
    fillBoard(false);
    TimerTime->setEnabled(true); // the game runs from here
    focusNewBoard();
}

void Dravik::m1vsC_Click()
{
    if (!clearForNewGame(tr("Your score:"), tr("My score:")))
        return;
    {
        Vibor dialog(this); // writes the chosen strength into Uroven
        dialog.exec();
    }
    label[1]->setCaption(matchwords::shown(matchtexts::strengthScoreTitle(Uroven)));
    fillBoard(true);
    TimerTime->setEnabled(true);
    if (Hod == 1)
        ComputerHod(); // the computer drew the first move
    focusNewBoard();   // held off the closed board until the computer's move, if it begins
}

void Dravik::mNewGame_Click()
{
    LabelS[0]->setCaption(QString());
    LabelS[1]->setCaption(QString());
}

// Abandons whatever game is on and titles the two scores. Without a board no move and no
// end of game is possible, yet the clock would take a point every ten seconds: then it
// asks for a size instead, changes nothing and answers false.
bool Dravik::clearForNewGame(const QString& title0, const QString& title1)
{
    if (Razmer == 0) {
        platform::MsgBox(tr("Choose a board size first: 5x5, 8x8 or 10x10."), rules::vbInformation,
                         QStringLiteral("Blinzor"));
        return false;
    }
    cancelComputerMove();
    Clear();
    PogasiKletki();
    label[0]->setCaption(title0);
    label[1]->setCaption(title1);
    return true;
}

// Draws who begins, then a fresh value 1 to 9 for every board cell, and paints the first
// line: column 0 when player 0 begins, row 0 when player 1 does. The computer keeps its
// own copy of the values in Pole.
void Dravik::fillBoard(bool forTheComputer)
{
    Hod = int(rules::Rnd() * 2.0);
    lPl[std::size_t(Hod)]->setBackColor(platform::White);
    Liniya = 0;
    Pole.redim(Razmer);
    for (int r = 0; r < Razmer; ++r) {
        for (int c = 0; c < Razmer; ++c) {
            rules::Randomize();
            const auto v = std::int16_t(rules::Rnd() * 9.0 + 1.0);
            if (forTheComputer)
                Pole(r, c) = v;
            platform::Label* cell = kK[std::size_t(cellIndex(r, c))];
            cell->setCaption(QString::number(v));
            cell->setVisible(true);
        }
        kK[std::size_t(Hod == 0 ? cellIndex(r, 0) : cellIndex(0, r))]->setBackColor(
            platform::White);
    }
}
