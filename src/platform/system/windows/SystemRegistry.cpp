#include "platform/system/SystemRegistry.h"

#include <algorithm>
#include <windows.h>

namespace platform {

namespace {

HKEY toHkey(RegistryKey key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

bool systemOpenRegistryKey(std::uint32_t root, const std::string& key, std::uint32_t access,
                           RegistryKey& opened)
{
    // Root keys are small negative handles: the 32-bit number is sign-extended, as the
    // system's own definitions of them do.
    const HKEY rootKey = toHkey(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    HKEY result = nullptr;
    if (RegOpenKeyExA(rootKey, key.c_str(), 0, access, &result) != ERROR_SUCCESS)
        return false;
    opened = reinterpret_cast<RegistryKey>(result);
    return true;
}

bool systemQueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::string& buffer, std::uint32_t& size)
{
    DWORD valueType = 0;
    DWORD dataSize = static_cast<DWORD>(std::min<std::size_t>(size, buffer.size()));
    if (RegQueryValueExA(toHkey(key), name.c_str(), nullptr, &valueType,
                         reinterpret_cast<BYTE*>(buffer.data()), &dataSize) != ERROR_SUCCESS)
        return false;
    type = valueType;
    size = dataSize;
    return true;
}

void systemCloseRegistryKey(RegistryKey key)
{
    RegCloseKey(toHkey(key));
}

} // namespace platform
