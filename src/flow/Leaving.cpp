#include "platform/runtime/MsgBox.h"
#include "platform/system/Effects.h"
#include "platform/system/SessionEnd.h"
#include "ui/About.h"
#include "ui/Dravik.h"
#include "ui/StoredTexts.h"

#include <QCloseEvent>

namespace {

// Why the window is asked to close. The question is the same whatever the reason.
enum UnloadReason
{
    FromControlMenu = 0,
    FromSessionEnd = 2
};

// Cancel takes the old-style True, all bits set.
constexpr int RefuseUnload = -1;

// Yes and No, the question mark, No the default: Enter keeps the program running.
constexpr int EndingQuestionStyle = rules::vbYesNo | rules::vbQuestion | rules::vbDefaultButton2;

// Leaving saves nothing, so a game in play is lost: the player is always asked first.
bool playerAgreesToEnd(const Dravik& window)
{
    return platform::MsgBox(window.Transl(StoredTexts::endingQuestion), EndingQuestionStyle,
                            Dravik::tr("Ending")) == rules::vbYes;
}

} // namespace

void Dravik::Form_QueryUnload(int& Cancel, [[maybe_unused]] int UnloadMode)
{
    if (!playerAgreesToEnd(*this))
        Cancel = RefuseUnload; // the game and its clock simply go on
}

void Dravik::mExit_Click()
{
    // Ending here skips the window's close handling, so the question comes only once.
    if (playerAgreesToEnd(*this))
        platform::EndProgram();
}

// Help lives with leaving: they are the menu commands that stand outside a game.
void Dravik::mAbout_Click()
{
    // The clock runs only during a game; help waits until the game is over.
    if (gameRunning())
        return;
    About dialog(this);
    dialog.exec();
}

void Dravik::closeEvent(QCloseEvent* event)
{
    int Cancel = 0;
    Form_QueryUnload(Cancel, FromControlMenu);
    event->setAccepted(Cancel == 0);
}

void Dravik::sessionEnding(platform::SessionEnd& session)
{
    // A session manager that allows no questions gets none; the program then ends with
    // the session.
    if (!session.allowsInteraction())
        return;
    int Cancel = 0;
    Form_QueryUnload(Cancel, FromSessionEnd);
    session.release();
    if (Cancel != 0)
        session.cancel(); // No keeps the program, and with it the whole session, running
    else
        platform::EndProgram(); // already agreed: closing the window would ask again
}
