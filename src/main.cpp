#include "ui/Dravik.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Blinzor"));
    QApplication::setApplicationVersion(QStringLiteral(BLINZOR_VERSION));
    Dravik window;
    window.show();
    return QApplication::exec();
}
