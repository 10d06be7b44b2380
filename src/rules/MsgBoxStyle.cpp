#include "rules/MsgBoxStyle.h"

#include <algorithm>

namespace platform {

MsgBoxStyle decodeMsgBoxStyle(int style)
{
    MsgBoxStyle decoded;
    const bool yesNo = (style & 0x7) == int(MsgBoxButtons::YesNo);
    decoded.buttons = yesNo ? MsgBoxButtons::YesNo : MsgBoxButtons::OK;
    const int icon = style & 0x70;
    decoded.icon = icon <= 64 ? MsgBoxIcon(icon) : MsgBoxIcon::None;
    MsgBoxResult answers[2];
    const int count = msgBoxAnswers(decoded.buttons, answers);
    decoded.defaultButton = std::min((style & 0x300) >> 8, count - 1);
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

} // namespace platform
