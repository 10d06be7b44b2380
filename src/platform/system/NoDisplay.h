#pragma once

#include <QStringList>

// Without a display to open the toolkit gives up inside the application object's making,
// with a page of messages and an abort that leaves a core dump. The game says instead, in
// one line, which display it could not open, and leaves with status 1.
namespace platform {

// Before the application object is made: the toolkit's messages are held back until it
// stands, so that a start that fails shows the game's line alone. `arguments` are the
// program's, where the toolkit finds -display.
void holdToolkitMessages(const QStringList& arguments);

// Once the application object stands: the held messages are passed on as they came.
void passOnToolkitMessages();

} // namespace platform
