#include "platform/runtime/MsgBox.h"

#include "platform/system/Language.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

std::function<int(const QString&, int, const QString&)> msgBoxStandIn; // set only by tests

QMessageBox::Icon toIcon(rules::MsgBoxIcon icon)
{
    switch (icon) {
    case rules::MsgBoxIcon::Critical:
        return QMessageBox::Critical;
    case rules::MsgBoxIcon::Question:
        return QMessageBox::Question;
    case rules::MsgBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case rules::MsgBoxIcon::Information:
        return QMessageBox::Information;
    case rules::MsgBoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString buttonText(rules::MsgBoxResult answer)
{
    switch (answer) {
    case rules::vbOK:
        return toolkitWord("OK");
    case rules::vbYes:
        return toolkitWord("&Yes");
    case rules::vbNo:
        return toolkitWord("&No");
    }
    return {};
}

QMessageBox::ButtonRole buttonRole(rules::MsgBoxResult answer)
{
    switch (answer) {
    case rules::vbYes:
        return QMessageBox::YesRole;
    case rules::vbNo:
        return QMessageBox::NoRole;
    default:
        return QMessageBox::AcceptRole;
    }
}

// The window a box belongs to, and opens centred on: the dialog open over the game, else
// the game's window, whatever window the desktop has made active meanwhile.
QWidget* boxOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(w) && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

int MsgBox(const QString& prompt, int style, const QString& title)
{
    if (msgBoxStandIn)
        return msgBoxStandIn(prompt, style, title);

    const rules::MsgBoxStyle decoded = rules::decodeMsgBoxStyle(style);
    QMessageBox box(toIcon(decoded.icon), title, prompt, QMessageBox::NoButton, boxOwner());
    box.setObjectName(QStringLiteral("MsgBox"));
    rules::MsgBoxResult answers[2];
    const int count = rules::msgBoxAnswers(decoded.buttons, answers);
    QPushButton* buttons[2] = {};
    for (int i = 0; i < count; ++i) {
        buttons[i] = box.addButton(buttonText(answers[i]), buttonRole(answers[i]));
        buttons[i]->setObjectName(QStringLiteral("MsgBoxButton_%1").arg(answers[i]));
    }
    box.setDefaultButton(buttons[decoded.defaultButton]);
    // A box with one button closes on Escape with its answer; a Yes/No box closed some
    // other way answers No.
    if (count == 1)
        box.setEscapeButton(buttons[0]);
    box.exec();
    for (int i = 0; i < count; ++i) {
        if (box.clickedButton() == buttons[i])
            return answers[i];
    }
    return decoded.buttons == rules::MsgBoxButtons::YesNo ? rules::vbNo : answers[count - 1];
}

void replaceMsgBox(std::function<int(const QString&, int, const QString&)> standIn)
{
    msgBoxStandIn = std::move(standIn);
}

} // namespace platform
