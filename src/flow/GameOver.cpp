#include "game/ProgramWide.h"
#include "platform/runtime/MsgBox.h"
#include "rules/MatchTexts.h"
#include "rules/Strength.h"
#include "ui/Dravik.h"
#include "ui/MatchWords.h"

// The line open to the player to move is empty: the game is over. The higher score wins,
// a tie goes to player 1; three won games win the match and start a new one.
void Dravik::GameOver()
{
    TimerTime->setEnabled(false);
    const int w = Ochki[0] > Ochki[1] ? 0 : 1;
    platform::Label* won = LabelS[std::size_t(w)];
    lPl[std::size_t(w)]->setBackColor(platform::Red);
    won->setCaption(QString::number(gamesWon(w) + 1));

    const std::string phrase = matchtexts::winnerPhrase(w, twoPeople(Uroven));
    platform::MsgBox(matchwords::shown(matchtexts::gameOverText(phrase)), rules::vbExclamation,
                     tr("Game Over"));
    if (gamesWon(w) >= 3) {
        platform::MsgBox(matchwords::shown(matchtexts::matchWonText(phrase)), rules::vbInformation,
                         tr("Congratulations"));
        mNewGame_Click();
    }
}
