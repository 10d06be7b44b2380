#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The few registry calls the program makes, with 8-bit (ANSI) names and data. On Windows
// they go to the system's registry. Elsewhere there is no registry, and the one entry the
// program looks for is answered from the system itself: the system-information tool's
// path (see linux/SystemRegistry.cpp).
namespace platform {

// The machine-wide root key.
inline constexpr std::uint32_t HKeyLocalMachine = 0x80000002;

// An open key.
using RegistryKey = std::uintptr_t;

// Opens `key` under `root` with the rights `access`; on success `opened` holds the key.
bool OpenRegistryKey(std::uint32_t root, const std::string& key, std::uint32_t access,
                     RegistryKey& opened);

// Reads the value `name` of an open key into `buffer`. On entry `size` is the room in the
// buffer; on success it is the size of the data and `type` the value's type. A value
// larger than the room is a failure.
bool QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                        std::string& buffer, std::uint32_t& size);

// Closes a key that OpenRegistryKey opened.
void CloseRegistryKey(RegistryKey key);

// For tests: while a stand-in is set it answers in the call's place, and the system is not
// asked; an empty one brings the real call back.
using OpenRegistryKeyCall = bool(std::uint32_t root, const std::string& key, std::uint32_t access,
                                 RegistryKey& opened);
using QueryRegistryValueCall = bool(RegistryKey key, const std::string& name, std::uint32_t& type,
                                    std::string& buffer, std::uint32_t& size);
void replaceOpenRegistryKey(std::function<OpenRegistryKeyCall> standIn);
void replaceQueryRegistryValue(std::function<QueryRegistryValueCall> standIn);
void replaceCloseRegistryKey(std::function<void(RegistryKey key)> standIn);

} // namespace platform
