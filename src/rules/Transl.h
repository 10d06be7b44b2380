#pragma once

#include <string>
#include <string_view>

// Some of the program's texts are kept scrambled, every character code lowered by 4, so
// that the cheeky remarks and the ending question don't show up when someone browses the
// executable. unscramble() raises every code by 4 again before a text is shown.
//
// Codes are taken in Latin-1 (ISO 8859-1) on every system, so a text stores and shows the
// same everywhere. A character outside Latin-1 has no code there and comes out as "?".
// One character in gives one character out, in the same order.
std::u32string unscramble(std::u32string_view scrambled);
