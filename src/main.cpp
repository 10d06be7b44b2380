#include "platform/system/CommandLine.h"
#include "platform/system/FrameTransfer.h"
#include "platform/system/SessionBus.h"
#include "ui/Dravik.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (const auto answer = platform::commandLineAnswer(platform::argumentsOf(argc, argv))) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    platform::sendFramesInline();
    QApplication app(argc, argv);
    platform::keepFrameSettingToOurselves();
    platform::avoidStartingSessionBus();
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
