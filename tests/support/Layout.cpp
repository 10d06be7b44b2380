#include "Layout.h"

#include "platform/runtime/Twips.h"

#include <QWidget>

namespace {

// Cell i sits in row i div 10, column i mod 10: 375 twips square, 480 apart.
Placed cell(int i)
{
    return {QStringLiteral("kK_%1").arg(i), 360 + 480 * (i % 10), 120 + 480 * (i / 10), 375, 375};
}

std::vector<Placed> mainWindow()
{
    std::vector<Placed> layout;
    for (int i : {0, 9, 10, 47, 55, 90, 99})
        layout.push_back(cell(i));
    const std::vector<Placed> others = {
        {"label_0", 5280, 240, 1170, 255},
        {"label_1", 5280, 720, 1170, 255},
        {"lPl_0", 6480, 120, 735, 375},
        {"lPl_1", 6480, 600, 735, 375},
        {"LabelS_0", 7320, 120, 375, 375},
        {"LabelS_1", 7320, 600, 375, 375},
        {"labelT", 5280, 2160, 375, 255, true},
        {"lTime", 5880, 2040, 495, 375},
        {"fBoard", 6480, 1080, 1215, 1335},
        {"ob_0", 240, 240, 735, 255, true},
        {"ob_1", 240, 600, 735, 255, true},
        {"ob_2", 240, 960, 735, 255, true},
        {"pic", 5160, 2640, 2505, 2280},
        // The glints take their size from a frame of their strips: 64 x 56 and 47 x 47.
        {"Image1", 1560, 1080, 960, 840},
        {"Image2", 390, 360, 705, 705},
    };
    layout.insert(layout.end(), others.begin(), others.end());
    return layout;
}

} // namespace

const std::vector<Placed> mainWindowLayout = mainWindow();

const std::vector<Placed> strengthLayout = {
    {"fChoise", 120, 0, 2535, 1815},     {"obChoise_0", 840, 240, 735, 375},
    {"obChoise_1", 840, 600, 735, 375},  {"obChoise_2", 840, 960, 735, 375},
    {"obChoise_3", 840, 1320, 855, 375}, // "Satan" is the longest caption
    {"kOK", 720, 1920, 1335, 325},
};

const std::vector<Placed> aboutLayout = {
    {"cmdOK", 7320, 4440, 1260, 345},
    {"cmdSysInfo", 7320, 4920, 1245, 345},
};

QStringList misplaced(const QWidget& window, const std::vector<Placed>& layout)
{
    QStringList found;
    for (const Placed& p : layout) {
        const auto* control = window.findChild<const QWidget*>(p.name);
        const QRect want = platform::twipsRect(p.left, p.top, p.width, p.height);
        if (!control) {
            found << p.name + QStringLiteral(": missing");
            continue;
        }
        const QRect got = control->geometry();
        const bool fits = p.mayWiden
                              ? got.topLeft() == want.topLeft() && got.height() == want.height() &&
                                    got.width() >= want.width()
                              : got == want;
        if (!fits)
            found << QStringLiteral("%1: at %2,%3 %4x%5, not %6,%7 %8x%9")
                         .arg(p.name)
                         .arg(got.x())
                         .arg(got.y())
                         .arg(got.width())
                         .arg(got.height())
                         .arg(want.x())
                         .arg(want.y())
                         .arg(want.width())
                         .arg(want.height());
    }
    return found;
}
