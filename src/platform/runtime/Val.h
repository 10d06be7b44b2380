#pragma once

#include <QString>

namespace platform {

// The number at the start of a text, as labels hold them: leading blanks skipped, an
// optional sign, then decimal digits up to the first other character. An empty text, or
// one that starts with no number, is 0.
int Val(const QString& text);

} // namespace platform
