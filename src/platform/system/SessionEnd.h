#pragma once

#include <functional>

class QObject;

namespace platform {

// The desktop session's notice that it is about to end, as a program answers it.
class SessionEnd
{
public:
    virtual ~SessionEnd() = default;

    // Whether the program may ask its user anything now. Where it may, the session waits
    // until release() or cancel().
    virtual bool allowsInteraction() = 0;
    // The user has been asked: other programs may ask theirs.
    virtual void release() = 0;
    // Keeps the session, and with it this program, running.
    virtual void cancel() = 0;
};

// The toolkit's session manager answering as a SessionEnd. Only the toolkit can make a
// session manager, so any object with the manager's three calls will do here.
template <class Manager>
class ManagedSessionEnd final : public SessionEnd
{
public:
    explicit ManagedSessionEnd(Manager& manager) : manager_(manager) {}

    bool allowsInteraction() override { return manager_.allowsInteraction(); }
    void release() override { manager_.release(); }
    void cancel() override { manager_.cancel(); }

private:
    Manager& manager_;
};

// Calls `handler` whenever the desktop session is about to end, for as long as `receiver`
// lives.
void whenSessionEnds(QObject* receiver, std::function<void(SessionEnd&)> handler);

// Tells every handler that the session is ending: the desktop's notice comes through here,
// and so can one made up by a test.
void announceSessionEnd(SessionEnd& session);

} // namespace platform
