#pragma once

// A message box's style number, decoded: the sum of a button set, an icon and the
// default button (16 critical, 32 question, 48 exclamation, 64 information; 256 makes the
// second button the default). No toolkit here, so the rules can be tested alone.
namespace rules {

// The button sets the game's boxes use; any other set reads as OK alone.
enum class MsgBoxButtons
{
    OK = 0,
    YesNo = 4
};
enum class MsgBoxIcon
{
    None = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64
};

// The parts a style number is added up from, as the game's boxes use them.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256;

// The answers, numbered as the style numbers' world numbers them.
enum MsgBoxResult
{
    vbOK = 1,
    vbYes = 6,
    vbNo = 7
};

struct MsgBoxStyle
{
    MsgBoxButtons buttons = MsgBoxButtons::OK;
    MsgBoxIcon icon = MsgBoxIcon::None;
    int defaultButton = 0; // 0-based position among the buttons
};

MsgBoxStyle decodeMsgBoxStyle(int style);

// The answers a box of this button set offers, left to right; the count is returned.
int msgBoxAnswers(MsgBoxButtons buttons, MsgBoxResult (&answers)[2]);

} // namespace rules
