#pragma once

#include "platform/screenreader/LabelAccessible.h"

#include <QCoreApplication>

// A board cell as assistive technology hears it: its name gives the row, the column and the
// number, such as "Row 3, column 5: 7", and its description the cell's part in the game,
// which the game keeps in the cell's look: "taken" once hidden with its number, "not on the
// board" when hidden empty, "the computer's choice" while red, "open to the player to move"
// while white, and "not open" otherwise. The focused cell says first what has happened in
// the game since the person's last key: "I took row 2, column 4: 7. Your score: 12, Easy's
// score: 15. open to the player to move".
class CellAccessible : public platform::LabelAccessible
{
    Q_DECLARE_TR_FUNCTIONS(CellAccessible)

public:
    using LabelAccessible::LabelAccessible;

    QString text(QAccessible::Text t) const override;

    // Has the toolkit describe the cells of the main window this way, and every other label
    // of the program as a plain label. Once is enough; later calls do nothing.
    static void install();

private:
    QString partInTheGame() const;
};
