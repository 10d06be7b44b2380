#pragma once

#include <QString>
#include <string>

// The match's words in the player's language. The rules compose them in English - a winner
// phrase cut and joined to " win!", a strength's name before "'s score:" - and another
// language cannot be cut and joined the same way, so each composed text is translated whole.
namespace matchwords {

// A text the rules composed (matchtexts), as the player reads it.
QString shown(const std::string& english);

// "%1 took row %2, column %3: %4. " for `mover` ("Player1", "Player2", "You", "I"), whose
// verb another language may bend to the mover.
QString moveNews(const std::string& mover);

} // namespace matchwords
