#pragma once

#include <array>

// The words of the About box. They are drawn into its picture, line by line as they stand
// here, and the box tells them to screen readers, which cannot read a picture.
namespace aboutwords {

inline constexpr const char* Title = "Blinzor";
inline constexpr const char* Version = "Version 3.00";
inline constexpr const char* RulesHeading = "How to play";
inline constexpr std::array<const char*, 5> Rules{
    "Take a number from the line that is open to you:",
    "the first player takes from a column, the second from a row.",
    "The line through your number opens for your opponent.",
    "When the open line is empty the game ends: the higher",
    "score wins it, and three won games win the match.",
};
inline constexpr const char* Credit = "The Blinzor developers";

} // namespace aboutwords
