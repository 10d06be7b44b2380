#pragma once

#include "MetalLettering.h"
#include "StoneWall.h"

#include <QImage>
#include <QPainter>
#include <QSize>

namespace artwork {

// The background of the About dialog: the title lettering across the wall, a bare slate for
// the words about the game (the box engraves them in the player's language), a corner of the board,
// and drawn copies of the dialog's buttons exactly where the real ones sit, so no gap shows round
// them.
class AboutPicture
{
public:
    static constexpr QSize LogicalSize{576, 432};
    static constexpr QRect OkButton{488, 296, 84, 23};
    static constexpr QRect SysInfoButton{488, 328, 83, 23};

    AboutPicture();

    QImage draw(int scale) const;

private:
    void drawSlate(QPainter& painter) const;
    void drawBoardCorner(QPainter& painter) const;
    void drawButton(QPainter& painter, const QRect& place, const QString& caption) const;

    StoneWall wall_;
    MetalLettering lettering_;
};

} // namespace artwork
