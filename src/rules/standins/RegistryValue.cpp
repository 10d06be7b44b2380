#include "rules/standins/RegistryValue.h"

#include <algorithm>

namespace rules {

std::string registryStringText(std::string_view buffer, std::uint32_t size)
{
    std::string_view data = buffer.substr(0, std::min<std::size_t>(size, buffer.size()));
    if (!data.empty() && data.back() == '\0')
        data.remove_suffix(1);
    return std::string(data);
}

std::string registryNumberText(std::string_view data)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = data.rbegin(); byte != data.rend(); ++byte) {
        const auto b = static_cast<unsigned char>(*byte);
        text += digits[b >> 4];
        text += digits[b & 0xF];
    }
    return text;
}

} // namespace rules
