#pragma once

// A message box's style number, decoded: the sum of a button set, an icon and the
// number of the default button (16 critical, 32 question, 48 exclamation, 64 information;
// 0 first button, 256 second, 512 third). No toolkit here, so the rules can be tested alone.
namespace platform {

enum class MsgBoxButtons
{
    OK = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};
enum class MsgBoxIcon
{
    None = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64
};

// The answers, numbered as the style numbers' world numbers them.
enum MsgBoxResult
{
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

struct MsgBoxStyle
{
    MsgBoxButtons buttons = MsgBoxButtons::OK;
    MsgBoxIcon icon = MsgBoxIcon::None;
    int defaultButton = 0; // 0-based position among the buttons, clamped to those present
};

MsgBoxStyle decodeMsgBoxStyle(int style);

// The answers a box of this button set offers, left to right; the count is returned.
int msgBoxAnswers(MsgBoxButtons buttons, MsgBoxResult (&answers)[3]);

} // namespace platform
