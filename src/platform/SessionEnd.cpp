#include "platform/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace platform {

namespace {

class ManagedSessionEnd final : public SessionEnd
{
public:
    explicit ManagedSessionEnd(QSessionManager& manager) : manager_(manager) {}

    bool allowsInteraction() override { return manager_.allowsInteraction(); }
    void release() override { manager_.release(); }
    void cancel() override { manager_.cancel(); }

private:
    QSessionManager& manager_;
};

} // namespace

void whenSessionEnds(QObject* receiver, std::function<void(SessionEnd&)> handler)
{
    // Answered at once, inside the session manager's request: the session waits for it.
    QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, receiver,
        [handler = std::move(handler)](QSessionManager& manager) {
            ManagedSessionEnd session(manager);
            handler(session);
        },
        Qt::DirectConnection);
}

} // namespace platform
