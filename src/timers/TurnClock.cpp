#include "platform/runtime/Val.h"
#include "platform/system/Effects.h"
#include "rules/Scoring.h"
#include "ui/Dravik.h"

// The clock counts "20" down to "1" for the player to move; when it runs out that player
// loses a point and it starts again. The turn does not pass.
void Dravik::TimerTime_Timer()
{
    const QString count = lTime->caption();
    if (count.isEmpty()) {
        lTime->setCaption(QStringLiteral("20"));
    } else if (count == QLatin1String("1")) {
        lTime->setCaption(QString());
        platform::Beep();
        Ochki[std::size_t(Hod)] = scoring::addToScore(Ochki[std::size_t(Hod)], -1);
        showScore(Hod);
        tellClockPoint();
    } else {
        lTime->setCaption(QString::number(platform::Val(count) - 1));
    }
}

// Plays the cell the computer has shown in red, then gives the board back to the person -
// only after the move, and any game over it causes, is complete - with the keyboard's focus.
// It lives with the turn clock: both hand the turn on once its time has come.
void Dravik::Prodolzi()
{
    kK_Click(cellIndex(Liniya, int(Ocenka[3])));
    PokaziKletki(1);
    focusBoard();
}
