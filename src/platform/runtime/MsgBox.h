#pragma once

#include "rules/MsgBoxStyle.h"

#include <QString>
#include <functional>

namespace platform {

// Shows a modal message box described by its style number and returns the answer
// (vbOK, vbYes, vbNo).
int MsgBox(const QString& prompt, int style, const QString& title);

// The one seam through which tests answer message boxes: while an answerer is set, every
// box is handed to it instead of being shown, and its return value is the answer.
using MsgBoxAnswerer = std::function<int(const QString& prompt, int style, const QString& title)>;
void setMsgBoxAnswerer(MsgBoxAnswerer answerer);

} // namespace platform
