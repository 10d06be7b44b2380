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

// Calls `handler` whenever the desktop session is about to end, for as long as `receiver`
// lives.
void whenSessionEnds(QObject* receiver, std::function<void(SessionEnd&)> handler);

} // namespace platform
