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
// avoidStartingSessionBus() runs after the application object is made and before the first
// window: where no bus can be found, it makes the toolkit's one try at the session bus with
// an address that fails at once, and the toolkit keeps that answer. The address is taken
// away again at once, so that programs the game starts look for a bus as usual. Wherever a
// bus can be found it changes nothing.
void avoidStartingSessionBus();

// Whether D-Bus would find a bus without starting one: an address in the environment, the
// user's bus in the runtime folder, or one advertised on the X display. A question for
// Linux alone: Windows has no session bus to look for.
bool sessionBusCanBeFound();

} // namespace platform
