#pragma once

#include "platform/system/Registry.h"

// The registry calls as the system itself answers them, behind Registry.h's three, which
// tests may replace: Windows asks its registry, and Linux, which has none, answers the
// one look-up that can succeed there from the system itself (see linux/SystemRegistry.cpp).
namespace platform {

bool systemOpenRegistryKey(std::uint32_t root, const std::string& key, std::uint32_t access,
                           RegistryKey& opened);
bool systemQueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::string& buffer, std::uint32_t& size);
void systemCloseRegistryKey(RegistryKey key);

} // namespace platform
