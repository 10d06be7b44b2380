#include "flow/MatchTexts.h"

#include <array>

namespace matchtexts {

std::string winnerPhrase(int winner, bool twoPeople)
{
    if (twoPeople)
        return winner == 0 ? "Player1 is" : "Player2 is";
    return winner == 0 ? "You are" : "I am";
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
    static constexpr std::array<const char*, 4> names = {"Easy's", "Hard's", "God's", "Satan's"};
    // The dialog only ever leaves 0 to 3 here; anything else plays as "Easy".
    const std::size_t i = uroven >= 0 && uroven < 4 ? std::size_t(uroven) : 0;
    return std::string(names[i]) + " score:";
}

} // namespace matchtexts
