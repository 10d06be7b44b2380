#include "game/ProgramWide.h"
#include "rules/ComputerChoice.h"
#include "rules/standins/Random.h"
#include "ui/Dravik.h"

// The computer's turn: it closes the board to the person, picks its cell, shows it in red
// and plays it through the ordinary cell click after a short pause, so that the person
// can see what it takes.
void Dravik::ComputerHod()
{
    PokaziKletki(0);
    const ComputerEvaluation choice =
        chooseComputerColumn({Pole, Liniya, Razmer, Ochki}, Uroven, {Maks, Ocenka}, rules::Rnd);
    Maks = choice.Maks;
    Ocenka = choice.Ocenka;
    if (const auto cell = computerCell(Liniya, Razmer, choice))
        kK[std::size_t(*cell)]->setBackColor(platform::Red);
    Takt = 0;
    TimerCompHod->setEnabled(true);
}

// The red cell stays on view for four ticks of 300 ms before it is taken.
void Dravik::TimerCompHod_Timer()
{
    if (Takt < 3) {
        ++Takt;
        return;
    }
    TimerCompHod->setEnabled(false);
    Prodolzi();
}

// A new game or a new board abandons the computer's pending move. Every cell is opened
// again, not only those of the board in force, so that cells left closed by a smaller
// board take clicks once a larger one is chosen.
void Dravik::cancelComputerMove()
{
    TimerCompHod->setEnabled(false);
    for (platform::Label* cell : kK)
        cell->setEnabled(true);
}
