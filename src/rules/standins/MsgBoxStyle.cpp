#include "rules/standins/MsgBoxStyle.h"

namespace rules {

MsgBoxStyle decodeMsgBoxStyle(int style)
{
    MsgBoxStyle decoded;
    const bool yesNo = (style & 0x7) == int(MsgBoxButtons::YesNo);
    decoded.buttons = yesNo ? MsgBoxButtons::YesNo : MsgBoxButtons::OK;
    const int icon = style & 0x70;
    decoded.icon = icon <= 64 ? MsgBoxIcon(icon) : MsgBoxIcon::None;
    // Only the Yes/No boxes have a second button to make the default.
    decoded.defaultButton = yesNo && (style & vbDefaultButton2) != 0 ? 1 : 0;
    return decoded;
}

int msgBoxAnswers(MsgBoxButtons buttons, MsgBoxResult (&answers)[2])
{
    if (buttons == MsgBoxButtons::YesNo) {
        answers[0] = vbYes, answers[1] = vbNo;
        return 2;
    }
    answers[0] = vbOK;
    return 1;
}

} // namespace rules
