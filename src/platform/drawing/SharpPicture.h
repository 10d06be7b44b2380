#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

// Every picture of the program is drawn twice: at its design size, and at double density
// beside it as name@2x.png. Where a screen packs more than one device pixel into a logical
// one, the double-density drawing is taken and marked as such, so that it covers the same
// logical size as the ordinary one and shows sharp instead of blown up.
QPixmap sharpPicture(const QString& resource);

// ":/title.bmp" gives ":/title@2x.png".
QString doubleDensityName(const QString& resource);

} // namespace platform
