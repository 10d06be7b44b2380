#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

// The least a Qt Widgets program with the game's kinds of parts takes to build: a main
// window with a menu, a label, a timer and a message box. bench/build-time measures building
// the game against configuring and building this.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    auto* label = new QLabel(QStringLiteral("0"), &window);
    window.setCentralWidget(label);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
    QObject::connect(
        help->addAction(QStringLiteral("About")), &QAction::triggered, &window, [&window] {
            QMessageBox::information(&window, QStringLiteral("floor"), QStringLiteral("floor"));
        });
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, label, [label, &ticks] { label->setNum(++ticks); });
    timer.start(1000);
    window.show();
    return QApplication::exec();
}
