#include "ui/Dravik.h"
#include "ui/Transl.h"

QString Dravik::Transl(const QString& s) const
{
    return QString::fromStdU32String(unscramble(s.toStdU32String()));
}
