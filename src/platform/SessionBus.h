#pragma once

namespace platform {

// The toolkit reaches screen readers, and a desktop's global menu, over the D-Bus session
// bus. Where no bus is known (no address in the environment, no bus of the user's session
// in the runtime folder, none advertised on the X display) D-Bus falls back to starting one
// through dbus-launch. That bus is of no use to a screen reader, which would be listening
// on the desktop's own, and where dbus-launch cannot save the new bus's address in the home
// folder (a kiosk, a container, a fresh account) it then waits three seconds: the window
// would open that late.
//
// avoidStartingSessionBus() runs before the application object: where no bus can be found
// it gives D-Bus an address that fails at once. settleSessionBus() runs after it: it makes
// the toolkit's one attempt at the session bus while that address holds, the toolkit keeps
// that answer, and the address is taken away again so that programs the game starts look
// for a bus as usual. Wherever a bus can be found, neither changes anything.
void avoidStartingSessionBus();
void settleSessionBus();

} // namespace platform
