#include "ui/Dravik.h"
#include "ui/StoredTexts.h"

QString Dravik::Transl(const QString& s) const
{
    return StoredTexts::shown(s);
}
