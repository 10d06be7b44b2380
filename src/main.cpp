#include "platform/FrameTransfer.h"
#include "ui/Dravik.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    platform::sendFramesInline();
    QApplication app(argc, argv);
    platform::keepFrameSettingToOurselves();
    QApplication::setOrganizationName(QStringLiteral("Blinzor"));
    QApplication::setOrganizationDomain(QStringLiteral("blinzor.github.io"));
    QApplication::setApplicationName(QStringLiteral("Blinzor"));
    QApplication::setApplicationVersion(QStringLiteral(BLINZOR_VERSION));
    // The desktop matches the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(BLINZOR_APP_ID));
    Dravik window;
    window.show();
    return QApplication::exec();
}
