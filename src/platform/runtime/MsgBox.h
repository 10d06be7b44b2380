#pragma once

#include "rules/standins/MsgBoxStyle.h"

#include <QString>
#include <functional>

namespace platform {

// Shows a modal message box described by its style number and returns the answer
// (vbOK, vbYes, vbNo).
int MsgBox(const QString& prompt, int style, const QString& title);

// For tests: while a stand-in is set it answers every box in MsgBox's place, and no box is
// shown; an empty one brings the real boxes back.
void replaceMsgBox(
    std::function<int(const QString& prompt, int style, const QString& title)> standIn);

} // namespace platform
