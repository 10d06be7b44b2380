#include "game/ProgramWide.h"
#include "platform/screenreader/Notice.h"
#include "rules/MatchTexts.h"
#include "rules/Strength.h"
#include "ui/Dravik.h"

// A blind player hears the game through the cell that has the focus. A screen reader speaks
// the focused control, description and all, when the focus arrives; of a changed name or
// description it is told without the new text, and it drops the change. So the news of the
// game rides on the description of the cell the focus comes back to after a move: after the
// computer's, it says what the computer took and where the scores stand. A point taken by
// the clock comes while the focus stays put: that news goes out as a notification, which
// readers speak wherever the focus is.

QString Dravik::newsAt(const platform::Label* cell) const
{
    const bool cameBack = newsCell_ >= 0 && cell == kK[std::size_t(newsCell_)];
    return cameBack && cell == focusWidget() ? news_ : QString();
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
    const QString who = QString::fromStdString(matchtexts::moverName(mover, twoPeople(Uroven)));
    news_ = QStringLiteral("%1 took row %2, column %3: %4. ")
                .arg(who)
                .arg(Index / 10 + 1)
                .arg(Index % 10 + 1)
                .arg(kK[std::size_t(Index)]->caption()) +
            scoresSaid();
    newsCell_ = -1; // until the focus comes back to the board
}

void Dravik::tellClockPoint()
{
    notice->tell(QStringLiteral("Time ran out: one point off. ") + scoresSaid());
}
