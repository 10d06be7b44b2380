#include "platform/system/Registry.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include "rules/RegistryValue.h"

#include <QStandardPaths>
#include <QString>
#include <cctype>
#include <string_view>
#endif

namespace platform {

namespace {

// Set only by tests.
std::function<OpenRegistryKeyCall> openStandIn;
std::function<QueryRegistryValueCall> queryStandIn;
std::function<void(RegistryKey)> closeStandIn;

#ifdef _WIN32

HKEY toHkey(RegistryKey key)
{
    return reinterpret_cast<HKEY>(key);
}

bool systemOpen(std::uint32_t root, const std::string& key, std::uint32_t access,
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

bool systemQuery(RegistryKey key, const std::string& name, std::uint32_t& type, std::string& buffer,
                 std::uint32_t& size)
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

void systemClose(RegistryKey key)
{
    RegCloseKey(toHkey(key));
}

#else

// Without a registry the program's one look-up that can succeed is the tool's path:
// the key below opens when the system has a system-information program on its search
// path, and its "PATH" value holds that program's full path. Everything else is absent.
constexpr const char* ToolKeyName = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
constexpr const char* ToolValueName = "PATH";
constexpr RegistryKey ToolKey = 1;

// The system-information programs of the desktops, the most thorough first.
constexpr const char* ToolPrograms[] = {"hardinfo2", "hardinfo", "kinfocenter"};

std::string systemInformationTool()
{
    for (const char* program : ToolPrograms) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(program));
        if (!path.isEmpty())
            return path.toLocal8Bit().toStdString();
    }
    return {};
}

// Registry names are compared without regard to case.
bool sameName(const std::string& a, const char* b)
{
    const std::string_view other(b);
    return std::equal(a.begin(), a.end(), other.begin(), other.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool systemOpen(std::uint32_t root, const std::string& key, std::uint32_t, RegistryKey& opened)
{
    if (root != HKeyLocalMachine || !sameName(key, ToolKeyName) || systemInformationTool().empty())
        return false;
    opened = ToolKey;
    return true;
}

bool systemQuery(RegistryKey key, const std::string& name, std::uint32_t& type, std::string& buffer,
                 std::uint32_t& size)
{
    if (key != ToolKey || !sameName(name, ToolValueName))
        return false;
    std::string data = systemInformationTool();
    if (data.empty())
        return false;
    data += '\0'; // stored as a string value is, with its closing zero
    if (data.size() > size || data.size() > buffer.size())
        return false;
    std::copy(data.begin(), data.end(), buffer.begin());
    type = rules::RegString;
    size = static_cast<std::uint32_t>(data.size());
    return true;
}

void systemClose(RegistryKey)
{}

#endif

} // namespace

bool OpenRegistryKey(std::uint32_t root, const std::string& key, std::uint32_t access,
                     RegistryKey& opened)
{
    if (openStandIn)
        return openStandIn(root, key, access, opened);
    return systemOpen(root, key, access, opened);
}

bool QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                        std::string& buffer, std::uint32_t& size)
{
    if (queryStandIn)
        return queryStandIn(key, name, type, buffer, size);
    return systemQuery(key, name, type, buffer, size);
}

void CloseRegistryKey(RegistryKey key)
{
    if (closeStandIn)
        closeStandIn(key);
    else
        systemClose(key);
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
