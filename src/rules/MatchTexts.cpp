#include "rules/MatchTexts.h"

#include "rules/Strength.h"

namespace matchtexts {

std::string winnerPhrase(int winner, bool twoPeople)
{
    if (twoPeople)
        return winner == 0 ? "Player1 is" : "Player2 is";
    return winner == 0 ? "You are" : "I am";
}

std::string moverName(int player, bool twoPeople)
{
    const std::string phrase = winnerPhrase(player, twoPeople);
    return phrase.substr(0, phrase.find(' '));
}

std::string gameOverText(const std::string& phrase)
{
    const std::size_t kept = phrase.size() >= 3 ? phrase.size() - 3 : 0;
    return phrase.substr(0, kept) + " win!";
}

std::string matchWonText(const std::string& phrase)
{
    return phrase + "\nWINNER!";
}

std::string strengthScoreTitle(int uroven)
{
    return std::string(strengthRules(uroven).name) + "'s score:";
}

} // namespace matchtexts
