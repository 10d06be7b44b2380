#pragma once

#include <array>
#include <cstddef>

// The mode of play and the computer's strength, as the program-wide Uroven holds them:
// -1 for two people at one board, 0 to 3 for the strengths of "You vs Me".
enum class Strength
{
    TwoPeople = -1,
    Easy = 0,
    Hard = 1,
    God = 2,
    Satan = 3
};

// How the computer picks its column of the open row.
enum class ComputerRule
{
    FirstOrChance, // the first candidate, each later one taking over with chance 0.2
    Greedy,        // the highest value, leftmost among equals
    LookAhead      // the value less the person's best reply in that column
};

// What a strength changes in the game:
//
//   strength   the computer's score   the computer picks   the person's gains   the window
//   Easy       "Easy's score:"        FirstOrChance        whole                still
//   Hard       "Hard's score:"        Greedy               whole                still
//   God        "God's score:"         LookAhead            whole                still
//   Satan      "Satan's score:"       Greedy               cut above 10         shakes
//
// Any other value, two people's -1 among them, reads as "Easy": none of these rules reaches
// a game between two people, and the strength dialog only ever sets 0 to 3.
struct StrengthRules
{
    const char* name;
    ComputerRule choice;
    bool cutsPersonGains;
    bool shakesWindow;
};

// The value Uroven holds for a strength.
constexpr int urovenOf(Strength s)
{
    return int(s);
}

// The rows of the table above, by Uroven from 0; read them through strengthRules().
inline constexpr std::array<StrengthRules, 4> strengthTable = {{
    {"Easy", ComputerRule::FirstOrChance, false, false},
    {"Hard", ComputerRule::Greedy, false, false},
    {"God", ComputerRule::LookAhead, false, false},
    {"Satan", ComputerRule::Greedy, true, true},
}};

// Asked on every move and every tick of the shake, so it is worked out inline.
constexpr const StrengthRules& strengthRules(int uroven)
{
    const bool named = uroven >= urovenOf(Strength::Easy) && uroven <= urovenOf(Strength::Satan);
    return strengthTable[named ? std::size_t(uroven) : 0];
}

// Whether Uroven says two people are playing, rather than one against the computer.
constexpr bool twoPeople(int uroven)
{
    return uroven == urovenOf(Strength::TwoPeople);
}
