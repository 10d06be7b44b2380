#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

// Where the controls of the program's windows sit, in twips, as their descriptions place
// them: one table for every test that checks a window's layout.
struct Placed
{
    QString name; // the control's objectName
    int left;
    int top;
    int width;
    int height;
    bool mayWiden = false; // a caption that grows to the right where the font runs wide
};

extern const std::vector<Placed> mainWindowLayout; // Dravik
extern const std::vector<Placed> strengthLayout;   // Vibor
extern const std::vector<Placed> aboutLayout;      // About

// The controls of `window` that lie elsewhere than `layout` says, in words; empty when all
// is in place.
QStringList misplaced(const QWidget& window, const std::vector<Placed>& layout);
