#include "ui/Dravik.h"

void Dravik::ob_Click(int Index)
{
    if (!RazmerVibor.isEmpty() && RazmerVibor == Index)
        return;
    cancelComputerMove();
    Clear(); // abandons any game without a word
    RazmerVibor = Index;
    Razmer = std::int16_t(RazmerVibor * 2.5 + 5.6); // 5, 8 or 10

    // Lay out an empty board in the top-left corner; the cells outside it disappear and
    // keep the button face, so a later, larger board starts uniform.
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            platform::Label* cell = kK[std::size_t(cellIndex(i, j))];
            cell->setVisible(i < Razmer && j < Razmer);
            cell->setBackColor(platform::ButtonFace);
            cell->setCaption(QString());
        }
    }
}
