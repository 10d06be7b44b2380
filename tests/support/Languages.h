#pragma once

#include <QStringList>

// The languages the game speaks besides English, by their catalogues' names.
inline const QStringList GameLanguages{
    QStringLiteral("de"),    QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
    QStringLiteral("pt_BR"), QStringLiteral("pl"), QStringLiteral("ru"), QStringLiteral("uk"),
    QStringLiteral("nl"),    QStringLiteral("tr")};
