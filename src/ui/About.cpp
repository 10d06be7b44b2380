#include "ui/About.h"

#include "platform/drawing/Placement.h"
#include "platform/drawing/SharpPicture.h"
#include "platform/runtime/Label.h"
#include "platform/runtime/MsgBox.h"
#include "platform/runtime/Twips.h"
#include "platform/system/Language.h"
#include "platform/system/Launcher.h"
#include "platform/system/Registry.h"
#include "rules/standins/RegistryValue.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <optional>

using platform::twipsRect;

namespace {

// Where the system keeps its system-information tool: the tool's full path, or else the
// folder that holds it under its usual file name.
const QString ToolPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolPathValue = QStringLiteral("PATH");
const QString ToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString ToolFolderValue = QStringLiteral("MSINFO");
const QString ToolFileName = QStringLiteral("\\MSINFO32.EXE");

// The look-up only reads, so it asks for reading rights alone: machine-wide keys refuse
// any more to all but an elevated administrator. 0x20019 is the standard read right plus
// querying values, listing subkeys and watching for changes.
constexpr std::uint32_t ReadAccess = 0x20019;

// Room for one value's data, in characters.
constexpr std::uint32_t ValueBufferSize = 1024;

// The window's client area, in twips.
constexpr int AboutClientWidth = 8625;
constexpr int AboutClientHeight = 6465;

bool readValue(platform::RegistryKey hKey, const QString& SubKeyRef, QString& KeyVal)
{
    std::string buffer(ValueBufferSize, '\0');
    std::uint32_t type = 0;
    std::uint32_t size = ValueBufferSize;
    if (!platform::QueryRegistryValue(hKey, SubKeyRef.toLocal8Bit().toStdString(), type, buffer,
                                      size))
        return false;
    if (type == rules::RegString)
        KeyVal = QString::fromLocal8Bit(rules::registryStringText(buffer, size));
    else if (type == rules::RegNumber)
        KeyVal = QString::fromLatin1(
            rules::registryNumberText(std::string_view(buffer).substr(0, size)));
    return true; // a value of any other type is read but leaves KeyVal as it was
}

// The tool's path by the first entry, else by the second if the tool is really there.
std::optional<QString> sysInfoPath()
{
    QString path;
    if (About::GetKeyValue(platform::HKeyLocalMachine, ToolPathKey, ToolPathValue, path))
        return path;
    if (About::GetKeyValue(platform::HKeyLocalMachine, ToolFolderKey, ToolFolderValue, path) &&
        platform::FileExists(path + ToolFileName))
        return path + ToolFileName;
    return std::nullopt;
}

} // namespace

About::About(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      picture_(words_.engravedOnto(platform::sharpPicture(QStringLiteral(":/about.bmp"))))
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("Help - Blinzor"));
    setWindowIcon(QIcon()); // a plain dialog frame: no icon, not even the owner's
    // A screen reader speaks a dialog's description as it opens.
    setAccessibleDescription(words_.spoken());
    // The buttons lie over the picture's drawn copies of them, so they keep the design's
    // size and font whatever font the desktop uses.
    setFont(platform::defaultCaptionFont());
    setFixedSize(platform::px(AboutClientWidth), platform::px(AboutClientHeight));

    cmdOK = addButton("cmdOK", platform::toolkitWord("OK"), twipsRect(7320, 4440, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &About::cmdOK_Click);
    cmdSysInfo = addButton("cmdSysInfo", tr("&System Info..."), twipsRect(7320, 4920, 1245, 345));
    connect(cmdSysInfo, &QPushButton::clicked, this, &About::cmdSysInfo_Click);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
    if (owner)
        move(platform::centredOnOwner(*owner->window(), size()));
}

QPushButton* About::addButton(const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

void About::cmdOK_Click()
{
    accept();
}

void About::cmdSysInfo_Click()
{
    StartSysInfo();
}

void About::StartSysInfo()
{
    const std::optional<QString> path = sysInfoPath();
    if (!path || !platform::StartProgram(*path))
        platform::MsgBox(tr("System Information Is Unavailable At This Time"), rules::vbOKOnly,
                         QStringLiteral("Blinzor"));
}

bool About::GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                        QString& KeyVal)
{
    platform::RegistryKey hKey = 0;
    if (platform::OpenRegistryKey(KeyRoot, KeyName.toLocal8Bit().toStdString(), ReadAccess, hKey)) {
        const bool read = readValue(hKey, SubKeyRef, KeyVal);
        platform::CloseRegistryKey(hKey);
        if (read)
            return true;
    }
    KeyVal.clear();
    return false;
}

void About::paintEvent(QPaintEvent*)
{
    // The picture is one pixel wider and higher than the window: it is drawn unscaled from
    // the top-left corner and its last column and row simply fall outside.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // for a dense picture on a 1.5 screen
    painter.drawPixmap(0, 0, picture_);
}

void About::keyPressEvent(QKeyEvent* event)
{
    // "OK" is also the cancel button: Escape presses it.
    if (event->matches(QKeySequence::Cancel)) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
