#include "platform/MsgBoxStyle.h"

#include <algorithm>

namespace platform {

MsgBoxStyle decodeMsgBoxStyle(int style)
{
    MsgBoxStyle decoded;
    const int buttons = style & 0x7;
    decoded.buttons = buttons <= 5 ? MsgBoxButtons(buttons) : MsgBoxButtons::OK;
    const int icon = style & 0x70;
    decoded.icon = icon <= 64 ? MsgBoxIcon(icon) : MsgBoxIcon::None;
    MsgBoxResult answers[3];
    const int count = msgBoxAnswers(decoded.buttons, answers);
    decoded.defaultButton = std::min((style & 0x300) >> 8, count - 1);
    return decoded;
}

int msgBoxAnswers(MsgBoxButtons buttons, MsgBoxResult (&answers)[3])
{
    switch (buttons) {
    case MsgBoxButtons::OKCancel:
        answers[0] = vbOK, answers[1] = vbCancel;
        return 2;
    case MsgBoxButtons::AbortRetryIgnore:
        answers[0] = vbAbort, answers[1] = vbRetry, answers[2] = vbIgnore;
        return 3;
    case MsgBoxButtons::YesNoCancel:
        answers[0] = vbYes, answers[1] = vbNo, answers[2] = vbCancel;
        return 3;
    case MsgBoxButtons::YesNo:
        answers[0] = vbYes, answers[1] = vbNo;
        return 2;
    case MsgBoxButtons::RetryCancel:
        answers[0] = vbRetry, answers[1] = vbCancel;
        return 2;
    case MsgBoxButtons::OK:
        break;
    }
    answers[0] = vbOK;
    return 1;
}

} // namespace platform
