#include "platform/system/SessionEnd.h"

#include <QGuiApplication>
#include <QPointer>
#include <QSessionManager>
#include <vector>

namespace platform {

namespace {

struct Listener
{
    QPointer<QObject> receiver;
    std::function<void(SessionEnd&)> handler;
};

std::vector<Listener> listeners;

void listenToTheDesktop()
{
    static bool listening = false;
    if (listening)
        return;
    listening = true;
    // Answered at once, inside the session manager's request: the session waits for it.
    QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, qGuiApp,
        [](QSessionManager& manager) {
            ManagedSessionEnd<QSessionManager> session(manager);
            announceSessionEnd(session);
        },
        Qt::DirectConnection);
}

} // namespace

void whenSessionEnds(QObject* receiver, std::function<void(SessionEnd&)> handler)
{
    std::erase_if(listeners, [](const Listener& l) { return l.receiver.isNull(); });
    listeners.push_back({receiver, std::move(handler)});
    listenToTheDesktop();
}

void announceSessionEnd(SessionEnd& session)
{
    // A handler may end the program or make a window: go by a copy.
    const std::vector<Listener> now = listeners;
    for (const Listener& l : now) {
        if (!l.receiver.isNull())
            l.handler(session);
    }
}

} // namespace platform
