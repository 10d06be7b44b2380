#include "platform/system/CommandLine.h"
#include "platform/system/FrameTransfer.h"
#include "platform/system/Language.h"
#include "platform/system/NoDisplay.h"
#include "platform/system/SessionBus.h"
#include "ui/Dravik.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const QStringList arguments = platform::argumentsOf(argc, argv);
    if (const auto answer = platform::commandLineAnswer(arguments))
        return platform::printAnswer(*answer);
    platform::sendFramesInline();
    platform::holdToolkitMessages(arguments);
    QApplication app(argc, argv);
    platform::passOnToolkitMessages();
    platform::keepFrameSettingToOurselves();
    platform::avoidStartingSessionBus();
    QApplication::setOrganizationName(QStringLiteral("Blinzor"));
    QApplication::setOrganizationDomain(QStringLiteral("blinzor.github.io"));
    QApplication::setApplicationName(QStringLiteral("Blinzor"));
    QApplication::setApplicationVersion(QStringLiteral(BLINZOR_VERSION));
    // The desktop matches the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(BLINZOR_APP_ID));
    platform::speakTheDesktopsLanguage(); // before any window takes its words
    Dravik window;
    window.show();
    return QApplication::exec();
}
