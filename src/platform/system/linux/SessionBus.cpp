#include "platform/system/SessionBus.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QFile>
#include <QGuiApplication>
#include <QtGlobal>
#include <cstdlib>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

constexpr const char* AddressVariable = "DBUS_SESSION_BUS_ADDRESS";
// No transport D-Bus knows: connecting to it fails at once, without a word.
constexpr const char* NoBus = "disabled:";

// The bus of the user's session that systemd keeps, which D-Bus tries before starting one.
bool userBusExists()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat status = {};
    return !runtime.isEmpty() && stat((runtime + "/bus").constData(), &status) == 0 &&
           S_ISSOCK(status.st_mode) && status.st_uid == getuid();
}

QByteArray machineId()
{
    for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly))
            return file.readLine().trimmed();
    }
    return {};
}

// A bus that dbus-launch started earlier for this user on this display: it owns a selection
// named after the user and the machine, and dbus-launch would hand its address out.
bool busAdvertisedOnDisplay()
{
    const passwd* user = getpwuid(getuid());
    const QByteArray machine = machineId();
    if (!user || machine.isEmpty())
        return false; // dbus-launch could not look either
    const QByteArray selection =
        "_DBUS_SESSION_BUS_SELECTION_" + QByteArray(user->pw_name) + '_' + machine;
    // The toolkit's own connection where it has one: a second would wait for the server again.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* toolkits = x11 ? x11->connection() : nullptr;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> own(
        toolkits ? nullptr : xcb_connect(nullptr, nullptr), xcb_disconnect);
    xcb_connection_t* display = toolkits ? toolkits : own.get();
    if (xcb_connection_has_error(display))
        return false;
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(
            display, xcb_intern_atom(display, 1, uint16_t(selection.size()), selection.constData()),
            nullptr),
        free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&free)> owner(
        xcb_get_selection_owner_reply(display, xcb_get_selection_owner(display, atom->atom),
                                      nullptr),
        free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

bool sessionBusCanBeFound()
{
    return qEnvironmentVariableIsSet(AddressVariable) || userBusExists() ||
           busAdvertisedOnDisplay();
}

void avoidStartingSessionBus()
{
    if (sessionBusCanBeFound())
        return;
    qputenv(AddressVariable, QByteArray(NoBus));
    QDBusConnection::sessionBus();
    qunsetenv(AddressVariable);
}

} // namespace platform
