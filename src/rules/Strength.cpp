#include "rules/Strength.h"

#include <array>

const StrengthRules& strengthRules(int uroven)
{
    static constexpr std::array<StrengthRules, 4> table = {{
        {"Easy", ComputerRule::FirstOrChance, false, false},
        {"Hard", ComputerRule::Greedy, false, false},
        {"God", ComputerRule::LookAhead, false, false},
        {"Satan", ComputerRule::Greedy, true, true},
    }};
    const bool named = uroven >= urovenOf(Strength::Easy) && uroven <= urovenOf(Strength::Satan);
    return table[named ? std::size_t(uroven) : 0];
}
