#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The face of the About box's words and of its artwork: drawn the same on every system, so
// that the words sit where the picture leaves room for them.
inline const QString DejaVuSansFamily = QStringLiteral("DejaVu Sans");

inline QFont dejaVuSans(int pixelSize, bool bold = false, bool italic = false)
{
    QFont font(DejaVuSansFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Windows has no DejaVu Sans of its own: the game brings the faces it draws with in fonts/
// beside the program, and they are added here where the system lacks the family.
void addDejaVuSansIfMissing();

} // namespace platform
