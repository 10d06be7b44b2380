#pragma once

#include "rules/Variant.h"

#include <cstdint>

// The two program-wide fields that carry the mode and the strength between the strength
// dialog and the game.
//
// Uroven: -1 two people; 0 "Easy", 1 "Hard", 2 "God", 3 "Satan". No value before the
// first game, which reads as 0.
inline Variant<int> Uroven;

// The strength option last clicked in the strength dialog, preselected when it opens.
inline std::int16_t UrovenVibor = 0;
