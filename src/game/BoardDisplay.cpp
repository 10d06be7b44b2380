#include "ui/Dravik.h"

// The three resets of the board display. The board is the top-left Razmer x Razmer square
// of the grid; every loop over it steps rows by 10 whatever its size.

void Dravik::Clear()
{
    TimerTime->setEnabled(false); // this ends any game in progress
    lTime->setCaption(QString());
    for (std::size_t p = 0; p < 2; ++p) {
        Ochki[p] = 0;
        lPl[p]->setCaption(QString()); // empty, not "0": the first-move rule looks for this
        lPl[p]->setBackColor(platform::ButtonFace);
        label[p]->setCaption(QString());
    }
}

void Dravik::PokaziKletki(int flag)
{
    for (int i = 0; i < Razmer; ++i) {
        for (int j = 0; j < Razmer; ++j)
            kK[std::size_t(cellIndex(i, j))]->setEnabled(flag != 0);
    }
}

void Dravik::PogasiKletki()
{
    for (int i = 0; i < Razmer; ++i) {
        for (int j = 0; j < Razmer; ++j)
            kK[std::size_t(cellIndex(i, j))]->setBackColor(platform::ButtonFace);
    }
}
