#include "FloorWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

// The game's client area and the places of its controls, in pixels.
constexpr QSize ClientSize(522, 345);

QFont sansSerif(int pointSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("MS Sans Serif"), pointSize, weight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

FloorWindow::FloorWindow(Ticks ticks)
{
    setWindowTitle(QStringLiteral("floor"));
    auto* client = new QWidget(this);
    client->setFixedSize(ClientSize);
    client->setFont(sansSerif(8, QFont::Normal));
    QPalette grey = client->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    client->setPalette(grey);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    addLabels(client);
    addSizeFrame(client);
    addPicture(client);
    addMenus();
    addTimers(ticks);

    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void FloorWindow::addLabels(QWidget* client)
{
    const QFont bold = sansSerif(12, QFont::Bold);
    for (int i = 0; i < 100; ++i) {
        auto* label = new QLabel(client);
        label->setGeometry(24 + 32 * (i % 10), 8 + 32 * (i / 10), 25, 25);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(bold);
        label->setAutoFillBackground(true);
    }
}

void FloorWindow::addSizeFrame(QWidget* client)
{
    auto* frame = new QGroupBox(QStringLiteral("Board"), client);
    frame->setGeometry(432, 72, 81, 89);
    static const char* const captions[] = {"5x5", "8x8", "10x10"};
    for (int i = 0; i < 3; ++i)
        (new QRadioButton(QLatin1String(captions[i]), frame))->setGeometry(16, 16 + 24 * i, 49, 17);
}

void FloorWindow::addPicture(QWidget* client)
{
    auto* picture = new QLabel(client);
    picture->setGeometry(344, 176, 167, 152);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QStringLiteral(":/title.bmp")));

    swapped_ = new QLabel(picture);
    swapped_->setGeometry(104, 72, 64, 56);
    const QPixmap strip(QStringLiteral(":/glint1.bmp"));
    for (std::size_t n = 0; n < frames_.size(); ++n)
        frames_[n] = strip.copy(int(n) * 64, 0, 64, 56);
}

void FloorWindow::addMenus()
{
    QMenu* game = menuBar()->addMenu(QStringLiteral("Game"));
    QMenu* newMenu = game->addMenu(QStringLiteral("New"));
    newMenu->addAction(QStringLiteral("New Blinzor"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    newMenu->addSeparator();
    newMenu->addAction(QStringLiteral("Humans vs Orcs"))->setShortcut(QKeySequence(Qt::Key_F2));
    newMenu->addAction(QStringLiteral("You vs Me"))->setShortcut(QKeySequence(Qt::Key_F3));
    game->addAction(QStringLiteral("Exit"))->setShortcut(QKeySequence(Qt::Key_F4));
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("Help..."))->setShortcut(QKeySequence(Qt::Key_F1));
}

void FloorWindow::addTimers(Ticks ticks)
{
    auto* fast = new QTimer(this);
    connect(fast, &QTimer::timeout, this, [] {});
    fast->start(50);
    auto* slow = new QTimer(this);
    if (ticks == Ticks::SwapPicture)
        connect(slow, &QTimer::timeout, this, &FloorWindow::swapPicture);
    else
        connect(slow, &QTimer::timeout, this, [] {});
    slow->start(200);
}

void FloorWindow::swapPicture()
{
    shown_ = 1 - shown_;
    swapped_->setPixmap(frames_[std::size_t(shown_)]);
}
