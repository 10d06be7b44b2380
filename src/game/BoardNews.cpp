#include "game/ProgramWide.h"
#include "platform/screenreader/Notice.h"
#include "rules/MatchTexts.h"
#include "rules/Strength.h"
#include "ui/Dravik.h"
#include "ui/MatchWords.h"

#include <QEvent>

// A blind player hears the game through the cell that has the focus, by one path. Orca, the
// desktop's screen reader, speaks the focused control, description and all, when the focus
// arrives, and a notification when it comes into view; it passes over a label's changed name
// and the changed description of any control but the focus, so the game raises neither. The
// news of the game rides on the description of the cell the focus comes back to after a
// move: after the computer's, it says what the computer took and where the scores stand,
// once - it goes when the focus leaves that cell, however it leaves. A point taken by the
// clock comes while the focus stays put: that news goes out as the notice's notification.

QString Dravik::newsAt(const platform::Label* cell) const
{
    return newsCell_ >= 0 && cell == kK[std::size_t(newsCell_)] ? news_ : QString();
}

// By key, mouse, menu, dialog or another window: every way out of a cell starts with its
// focus-out event.
bool Dravik::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && newsCell_ >= 0 &&
        watched == kK[std::size_t(newsCell_)])
        newsCell_ = -1;
    return QMainWindow::eventFilter(watched, event);
}

// Both scores under the titles they have on the screen: "Your score: 3, Easy's score: 10".
QString Dravik::scoresSaid() const
{
    QStringList said;
    for (std::size_t p = 0; p < 2; ++p) {
        const QString score = lPl[p]->caption();
        said << label[p]->caption() + QLatin1Char(' ') +
                    (score.isEmpty() ? QStringLiteral("0") : score);
    }
    return said.join(QStringLiteral(", ")) + QLatin1Char('.');
}

void Dravik::tellMove(int Index, int mover)
{
    news_ = matchwords::moveNews(matchtexts::moverName(mover, twoPeople(Uroven)))
                .arg(Index / 10 + 1)
                .arg(Index % 10 + 1)
                .arg(kK[std::size_t(Index)]->caption()) +
            scoresSaid();
    newsCell_ = -1; // until the focus comes back to the board
}

void Dravik::tellClockPoint()
{
    notice->tell(tr("Time ran out: one point off. ") + scoresSaid());
}
