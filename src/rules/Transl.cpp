#include "rules/Transl.h"

namespace {

constexpr char32_t Shift = 4;
constexpr char32_t LastLatin1 = 0xFF;
constexpr char32_t NoCharacter = U'?';

char32_t unscrambleCharacter(char32_t c)
{
    if (c > LastLatin1)
        return NoCharacter;
    const char32_t shown = c + Shift;
    // The codes 252 to 255 would step past the end of Latin-1. A stored text is made by
    // lowering readable codes, so it never holds them; anything else gets "?" rather than a
    // character the code page doesn't have.
    return shown > LastLatin1 ? NoCharacter : shown;
}

} // namespace

std::u32string unscramble(std::u32string_view scrambled)
{
    std::u32string shown;
    shown.reserve(scrambled.size());
    for (const char32_t c : scrambled)
        shown.push_back(unscrambleCharacter(c));
    return shown;
}
