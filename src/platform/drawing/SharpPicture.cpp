#include "platform/drawing/SharpPicture.h"

#include <QGuiApplication>

namespace platform {

namespace {

constexpr qreal DoubleDensity = 2.0;

} // namespace

QString doubleDensityName(const QString& resource)
{
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    return resource.left(dot) + QStringLiteral("@2x.png");
}

QPixmap sharpPicture(const QString& resource)
{
    // The highest ratio of all screens: a window may move to the densest one, and on the
    // others the painter scales the dense picture down smoothly.
    if (qGuiApp->devicePixelRatio() <= 1.0)
        return QPixmap(resource);
    QPixmap dense(doubleDensityName(resource));
    dense.setDevicePixelRatio(DoubleDensity);
    return dense;
}

} // namespace platform
