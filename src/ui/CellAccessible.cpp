#include "ui/CellAccessible.h"

#include "platform/runtime/Label.h"
#include "ui/Dravik.h"

#include <algorithm>
#include <mutex>

namespace {

bool isBoardCell(const platform::Label* label)
{
    const auto* board = qobject_cast<const Dravik*>(label->window());
    return board && std::ranges::find(board->kK, label) != board->kK.end();
}

QAccessibleInterface* labelInterface(const QString&, QObject* object)
{
    auto* label = qobject_cast<platform::Label*>(object);
    if (!label)
        return nullptr;
    if (isBoardCell(label))
        return new CellAccessible(label);
    return new platform::LabelAccessible(label);
}

} // namespace

QString CellAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Description)
        return LabelAccessible::text(t);
    const auto* board = qobject_cast<const Dravik*>(label()->window());
    const QString news = board ? board->newsAt(label()) : QString();
    return news.isEmpty() ? partInTheGame() : news + QLatin1Char(' ') + partInTheGame();
}

QString CellAccessible::partInTheGame() const
{
    // Taking a cell hides it with its number; a cell outside the board is hidden empty.
    if (label()->isHidden())
        return label()->caption().isEmpty() ? tr("not on the board") : tr("taken");
    switch (label()->backColor()) {
    case platform::Red:
        return tr("the computer's choice");
    case platform::White:
        return tr("open to the player to move");
    default:
        return tr("not open");
    }
}

void CellAccessible::install()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(labelInterface); });
}
