#include "platform/system/SystemRegistry.h"

#include "rules/standins/RegistryValue.h"

#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cctype>
#include <string_view>

namespace platform {

namespace {

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

} // namespace

bool systemOpenRegistryKey(std::uint32_t root, const std::string& key, std::uint32_t,
                           RegistryKey& opened)
{
    if (root != HKeyLocalMachine || !sameName(key, ToolKeyName) || systemInformationTool().empty())
        return false;
    opened = ToolKey;
    return true;
}

bool systemQueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::string& buffer, std::uint32_t& size)
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

void systemCloseRegistryKey(RegistryKey)
{}

} // namespace platform
