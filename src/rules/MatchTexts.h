#pragma once

#include <string>

// The words with which the game names its players and announces its winners.
namespace matchtexts {

// "Player1 is" / "Player2 is" between two people; "You are" / "I am" against the computer,
// which speaks of itself in the first person.
std::string winnerPhrase(int winner, bool twoPeople);

// Who made a move, as the game tells it: "Player1" / "Player2" between two people, "You" /
// "I" against the computer - the winner phrase's first word.
std::string moverName(int player, bool twoPeople);

// The phrase less its last three characters, then " win!": "Player1 win!", "I win!", and
// "You  win!" with two blanks, since cutting "are" leaves the blank before it.
std::string gameOverText(const std::string& phrase);

// The phrase over "WINNER!".
std::string matchWonText(const std::string& phrase);

// The title of the computer's score at strength 0 to 3: "Easy's score:" ... "Satan's score:";
// any other value reads as "Easy".
std::string strengthScoreTitle(int uroven);

} // namespace matchtexts
