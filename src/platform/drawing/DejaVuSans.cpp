#include "platform/drawing/DejaVuSans.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace platform {

namespace {

// Regular for the rules, bold for the headings, oblique for the credit.
const QStringList BundledFaces{QStringLiteral("DejaVuSans.ttf"),
                               QStringLiteral("DejaVuSans-Bold.ttf"),
                               QStringLiteral("DejaVuSans-Oblique.ttf")};

} // namespace

void addDejaVuSansIfMissing()
{
    if (QFontDatabase::families().contains(DejaVuSansFamily))
        return;
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/");
    for (const QString& face : BundledFaces)
        QFontDatabase::addApplicationFont(folder + face);
}

} // namespace platform
