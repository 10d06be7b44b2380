#include "SeenState.h"

#include "game/ProgramWide.h"
#include "ui/Dravik.h"

#include <QScreen>

SeenState SeenState::of(const Dravik& w)
{
    SeenState s;
    for (std::size_t i = 0; i < s.cells.size(); ++i) {
        const platform::Label* cell = w.kK[i];
        s.cells[i] = {cell->caption(), w.cellOnBoard(int(i)), cell->isEnabled(), cell->backColor()};
    }
    for (std::size_t p = 0; p < 2; ++p) {
        s.scoreText[p] = w.lPl[p]->caption();
        s.scoreBack[p] = w.lPl[p]->backColor();
        s.titleText[p] = w.label[p]->caption();
        s.wonText[p] = w.LabelS[p]->caption();
        s.Ochki[p] = w.Ochki[p];
    }
    s.clockText = w.lTime->caption();
    s.clockOn = w.gameRunning();
    s.computerPending = w.TimerCompHod->enabled();
    s.windowOpen = w.isVisible();
    s.Hod = w.Hod;
    s.Liniya = w.Liniya;
    s.Razmer = w.Razmer;
    s.RazmerVibor = w.RazmerVibor.isEmpty() ? -1 : int(w.RazmerVibor);
    s.Takt = w.Takt;
    s.chosenColumn = int(w.Ocenka[3]);
    s.urovenSet = !::Uroven.isEmpty();
    s.Uroven = ::Uroven;
    s.UrovenVibor = ::UrovenVibor;
    s.Kadr1 = w.Kadr1;
    s.Kadr2 = w.Kadr2;
    s.poleSize = w.Pole.size();
    for (int r = 0; r < s.poleSize; ++r)
        for (int c = 0; c < s.poleSize; ++c)
            s.pole.push_back(w.Pole(r, c));
    s.frame = w.frameGeometry();
    if (const QScreen* screen = w.screen())
        s.screenArea = screen->availableGeometry();
    return s;
}

std::vector<int> SeenState::openLine() const
{
    std::vector<int> line;
    for (int i = 0; i < Razmer; ++i)
        line.push_back(Hod == 0 ? 10 * i + Liniya : 10 * Liniya + i);
    return line;
}

QStringList SeenState::differencesFrom(const SeenState& other) const
{
    QStringList found;
    auto note = [&found](bool same, const QString& what) {
        if (!same)
            found << what;
    };
    for (std::size_t i = 0; i < cells.size(); ++i)
        note(cells[i] == other.cells[i], QStringLiteral("cell %1").arg(i));
    note(scoreText == other.scoreText && scoreBack == other.scoreBack, "score labels");
    note(titleText == other.titleText, "score titles");
    note(wonText == other.wonText, "match counters");
    note(clockText == other.clockText && clockOn == other.clockOn, "clock");
    note(computerPending == other.computerPending && Takt == other.Takt &&
             chosenColumn == other.chosenColumn,
         "computer's move");
    note(windowOpen == other.windowOpen, "window open");
    note(Ochki == other.Ochki, "scores");
    note(Hod == other.Hod && Liniya == other.Liniya, "turn and open line");
    note(Razmer == other.Razmer && RazmerVibor == other.RazmerVibor, "board size");
    note(urovenSet == other.urovenSet && Uroven == other.Uroven && UrovenVibor == other.UrovenVibor,
         "mode and strength");
    note(poleSize == other.poleSize && pole == other.pole, "the computer's board");
    return found;
}
