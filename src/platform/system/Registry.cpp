#include "platform/system/Registry.h"

#include "platform/system/SystemRegistry.h"

namespace platform {

namespace {

// Set only by tests.
std::function<OpenRegistryKeyCall> openStandIn;
std::function<QueryRegistryValueCall> queryStandIn;
std::function<void(RegistryKey)> closeStandIn;

} // namespace

bool OpenRegistryKey(std::uint32_t root, const std::string& key, std::uint32_t access,
                     RegistryKey& opened)
{
    if (openStandIn)
        return openStandIn(root, key, access, opened);
    return systemOpenRegistryKey(root, key, access, opened);
}

bool QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                        std::string& buffer, std::uint32_t& size)
{
    if (queryStandIn)
        return queryStandIn(key, name, type, buffer, size);
    return systemQueryRegistryValue(key, name, type, buffer, size);
}

void CloseRegistryKey(RegistryKey key)
{
    if (closeStandIn)
        closeStandIn(key);
    else
        systemCloseRegistryKey(key);
}

void replaceOpenRegistryKey(std::function<OpenRegistryKeyCall> standIn)
{
    openStandIn = std::move(standIn);
}

void replaceQueryRegistryValue(std::function<QueryRegistryValueCall> standIn)
{
    queryStandIn = std::move(standIn);
}

void replaceCloseRegistryKey(std::function<void(RegistryKey)> standIn)
{
    closeStandIn = std::move(standIn);
}

} // namespace platform
