#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The game's own options: --help (also -h) and --version. They are answered before the
// toolkit starts, so they need no display. The toolkit's options (-style, -platform, ...)
// are left for it to take, and any other argument is ignored, as it always was.
namespace platform {

// The arguments as the program was given them, its own name first.
QStringList argumentsOf(int argc, char* argv[]);

// What to print and then leave with success, or nothing when the game should open.
std::optional<QString> commandLineAnswer(const QStringList& arguments);

// Prints `answer` on standard output and gives the program's status: 0, or 1 when it could
// not be written there (`blinzor --help >&-`, or a full disk), so that a script sees the
// answer was lost.
int printAnswer(const QString& answer);

} // namespace platform
