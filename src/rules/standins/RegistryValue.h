#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What a registry value's data reads as. No toolkit here, so the rules can be tested alone.
namespace rules {

// The value types the program understands, numbered as the registry numbers them.
inline constexpr std::uint32_t RegString = 1; // text, usually stored with a closing zero
inline constexpr std::uint32_t RegNumber = 4; // 32-bit number, least significant byte first

// The text of a string value whose `size` bytes of data were read into `buffer`. The data
// counts the string's closing zero when the writer stored one; that zero is no part of the
// text and is dropped. Data that does not end in a zero is kept whole. A size beyond the
// buffer counts as the whole buffer.
std::string registryStringText(std::string_view buffer, std::uint32_t size);

// The text of a number value's data: "&h" followed by its bytes from the last (the most
// significant) to the first, two hex digits each. Every byte keeps its leading zero, so
// 0x0001A2B3 reads "&h0001A2B3" and no two numbers share a text.
std::string registryNumberText(std::string_view data);

} // namespace rules
