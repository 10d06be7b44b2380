#include "platform/system/NoDisplay.h"

#include <QDir>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace platform {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;
QStringList startArguments;
QtMessageHandler passOn = nullptr;

// The toolkit names the platform plugin it could not start just before it gives up: the
// last one named, where it tries several in turn.
QString pluginTried()
{
    static const QRegularExpression named(QStringLiteral("platform plugin \"([^\"]+)\""));
    for (auto message = held.rbegin(); message != held.rend(); ++message)
        if (const QRegularExpressionMatch match = named.match(message->text); match.hasMatch())
            return match.captured(1);
    return QStringLiteral("xcb");
}

// A Wayland compositor's socket, as the plugin looks for it: a bare name is in the runtime
// folder.
QString waylandSocket()
{
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (QDir::isAbsolutePath(name))
        return name;
    return qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
}

// The X display: the toolkit's -display option (or --display) before the environment's.
QString xDisplay()
{
    for (qsizetype i = 1; i + 1 < startArguments.size(); ++i)
        if (startArguments.at(i) == QLatin1String("-display") ||
            startArguments.at(i) == QLatin1String("--display"))
            return startArguments.at(i + 1);
    return qEnvironmentVariable("DISPLAY");
}

QString failure(const QString& fatalText)
{
    const QString plugin = pluginTried();
    if (plugin.startsWith(QLatin1String("wayland")))
        return QStringLiteral("cannot open display \"%1\"").arg(waylandSocket());
    if (plugin != QLatin1String("xcb"))
        return fatalText.section(QLatin1Char('\n'), 0, 0);
    const QString display = xDisplay();
    if (display.isEmpty())
        return QStringLiteral("cannot open a display: DISPLAY is not set");
    return QStringLiteral("cannot open display \"%1\"").arg(display);
}

void holdOrLeave(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(heldLock);
    if (type != QtFatalMsg) {
        held.push_back({type, QByteArray(context.category), text});
        return;
    }
    const QString line = QStringLiteral("blinzor: ") + failure(text) + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
    // Nothing is left to tidy: the toolkit has not started.
    std::_Exit(1);
}

} // namespace

void holdToolkitMessages(const QStringList& arguments)
{
    startArguments = arguments;
    passOn = qInstallMessageHandler(holdOrLeave);
}

void passOnToolkitMessages()
{
    qInstallMessageHandler(passOn);
    const std::lock_guard lock(heldLock);
    for (const HeldMessage& message : held)
        passOn(
            message.type,
            QMessageLogContext(nullptr, 0, nullptr,
                               message.category.isNull() ? nullptr : message.category.constData()),
            message.text);
    held.clear();
}

} // namespace platform
