#include "ui/Dravik.h"

#include "platform/drawing/FitCaption.h"
#include "platform/drawing/FrameStyle.h"
#include "platform/drawing/Placement.h"
#include "platform/drawing/SharpPicture.h"
#include "platform/runtime/Image.h"
#include "platform/runtime/Twips.h"
#include "platform/screenreader/Notice.h"
#include "platform/system/SessionEnd.h"
#include "ui/CellAccessible.h"

#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

using platform::Label;
using platform::twipsRect;

namespace {

// The window's client area below the menu bar, in twips: 7830 by 5175.
constexpr int BoardClientWidth = 7830;
constexpr int BoardClientHeight = 5175;

// A control on one of the window's own colours: that colour behind it, and its text in the
// colour chosen for it rather than the desktop's, which may be meant for a dark window.
void setBackColor(QWidget* w, platform::Color color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, platform::toQColor(color, p));
    p.setColor(QPalette::WindowText, platform::captionColor(color, p));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

Label* boldLabel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* l = new Label(parent, name, Label::Border::FixedSingle);
    l->setGeometry(geometry);
    l->setFixedSize(geometry.size()); // so a new caption asks for no new layout
    l->setAlignment(Qt::AlignCenter);
    l->setFont(platform::boldCaptionFont());
    return l;
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

} // namespace

Dravik::Dravik(QWidget* parent)
    : QMainWindow(parent), PictureClip1(QStringLiteral(":/glint1.bmp")),
      PictureClip2(QStringLiteral(":/glint2.bmp")),
      titlePicture_(platform::sharpPicture(QStringLiteral(":/title.bmp")))
{
    setObjectName(QStringLiteral("Dravik"));
    setWindowTitle(QStringLiteral("BLINZOR"));
    QIcon icon(QStringLiteral(":/icon.ico"));
    icon.addFile(QStringLiteral(":/icon@2x.png")); // the same pixels, doubled, for dense screens
    setWindowIcon(icon);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(platform::px(BoardClientWidth), platform::px(BoardClientHeight));
    client->setFont(platform::defaultCaptionFont());
    setBackColor(client, platform::LightGrey);
    // The open line is told from the rest by white against button face: where the desktop's
    // face comes close to white, the cells take a clear grey instead.
    QPalette face = client->palette();
    face.setColor(QPalette::Button, platform::toQColor(rules::faceApartFromWhite(
                                        platform::toRgb(face.color(QPalette::Button)))));
    client->setPalette(face);
    setCentralWidget(client);

    buildBoard(client);
    buildScores(client);
    buildSizeFrame(client);
    buildTitlePicture(client);
    buildMenus();
    buildTimers();
    platform::whenSessionEnds(this,
                              [this](platform::SessionEnd& session) { sessionEnding(session); });

    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        move(platform::centredWithin(room, size(), room));
    }
}

void Dravik::buildBoard(QWidget* client)
{
    CellAccessible::install();
    // Cell i sits in row i div 10, column i mod 10: 375 twips square, 480 apart.
    for (int i = 0; i < 100; ++i) {
        Label* cell = boldLabel(client, indexed("kK", i),
                                twipsRect(360 + 480 * (i % 10), 120 + 480 * (i / 10), 375, 375));
        cell->setFocusPolicy(Qt::TabFocus); // the board is one stop of the Tab key
        cell->installEventFilter(this);     // its news goes with the focus
        connect(cell, &Label::clicked, this, [this, i] { takeCell(i); });
        connect(cell, &Label::moveKeyPressed, this,
                [this, i](Qt::Key key) { moveFocusFrom(i, key); });
        kK[std::size_t(i)] = cell;
        cell->setAccessibleName(tr("Row %1, column %2").arg(i / 10 + 1).arg(i % 10 + 1));
    }
}

void Dravik::buildScores(QWidget* client)
{
    for (int i = 0; i < 2; ++i) {
        const auto p = std::size_t(i);
        LabelS[p] =
            boldLabel(client, indexed("LabelS", i), twipsRect(7320, 120 + 480 * i, 375, 375));
        label[p] = new Label(client, indexed("label", i));
        label[p]->setGeometry(twipsRect(5280, 240 + 480 * i, 1170, 255));
        label[p]->setBackColor(platform::LightGrey);
        lPl[p] = boldLabel(client, indexed("lPl", i), twipsRect(6480, 120 + 480 * i, 735, 375));
        // Player 0 is "Player1" on the screen.
        lPl[p]->setAccessibleName(tr("Score of player %1").arg(i + 1));
        LabelS[p]->setAccessibleName(tr("Games won by player %1").arg(i + 1));
    }
    labelT = new Label(client, QStringLiteral("labelT"));
    labelT->setGeometry(twipsRect(5280, 2160, 375, 255));
    labelT->setBackColor(platform::LightGrey);
    labelT->setCaption(tr("Time:"));
    platform::fitCaption(labelT);
    lTime = boldLabel(client, QStringLiteral("lTime"), twipsRect(5880, 2040, 495, 375));
    lTime->setAccessibleName(tr("Turn clock"));
    notice = new platform::Notice(client, QStringLiteral("notice"));
}

void Dravik::buildSizeFrame(QWidget* client)
{
    fBoard = new QGroupBox(tr("Board"), client);
    fBoard->setObjectName(QStringLiteral("fBoard"));
    fBoard->setGeometry(twipsRect(6480, 1080, 1215, 1335));
    setBackColor(fBoard, platform::LightGrey);
    static const char* const captions[] = {QT_TR_NOOP("5x5"), QT_TR_NOOP("8x8"),
                                           QT_TR_NOOP("10x10")};
    static const char* const spoken[] = {QT_TR_NOOP("Board of 5 by 5 cells"),
                                         QT_TR_NOOP("Board of 8 by 8 cells"),
                                         QT_TR_NOOP("Board of 10 by 10 cells")};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(tr(captions[i]), fBoard);
        option->setObjectName(indexed("ob", i));
        option->setAccessibleName(tr(spoken[i]));
        option->setGeometry(twipsRect(240, 240 + 360 * i, 735, 255));
        platform::fitCaption(option);
        // Raised whether the person or the program selects the option.
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                ob_Click(i);
        });
        ob[std::size_t(i)] = option;
    }
    platform::FrameStyle::apply(fBoard);
}

void Dravik::buildTitlePicture(QWidget* client)
{
    pic = new platform::Image(client, QStringLiteral("pic"));
    pic->setGeometry(twipsRect(5160, 2640, 2505, 2280));
    pic->setPicture(&titlePicture_);
    Image2 = new platform::Image(pic, QStringLiteral("Image2"));
    Image2->setGeometry(
        QRect(QPoint(platform::px(390), platform::px(360)), PictureClip2.cellSize()));
    Image1 = new platform::Image(pic, QStringLiteral("Image1"));
    Image1->setGeometry(
        QRect(QPoint(platform::px(1560), platform::px(1080)), PictureClip1.cellSize()));
}

void Dravik::buildMenus()
{
    auto action = [this](QMenu* menu, const char* name, const QString& text,
                         const QKeySequence& key, void (Dravik::*handler)()) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    mGame = menuBar()->addMenu(tr("Game"));
    mGame->setObjectName(QStringLiteral("mGame"));
    mNew = mGame->addMenu(tr("New"));
    mNew->setObjectName(QStringLiteral("mNew"));
    mNewGame = action(mNew, "mNewGame", tr("New Blinzor"), QKeySequence(Qt::CTRL | Qt::Key_N),
                      &Dravik::mNewGame_Click);
    k = mNew->addSeparator();
    k->setObjectName(QStringLiteral("k"));
    m1vs1 =
        action(mNew, "m1vs1", tr("Humans vs Orcs"), QKeySequence(Qt::Key_F2), &Dravik::m1vs1_Click);
    m1vsC = action(mNew, "m1vsC", tr("You vs Me"), QKeySequence(Qt::Key_F3), &Dravik::m1vsC_Click);
    mExit = action(mGame, "mExit", tr("Exit"), QKeySequence(Qt::Key_F4), &Dravik::mExit_Click);

    mHelp = menuBar()->addMenu(tr("Help"));
    mHelp->setObjectName(QStringLiteral("mHelp"));
    mAbout =
        action(mHelp, "mAbout", tr("Help..."), QKeySequence(Qt::Key_F1), &Dravik::mAbout_Click);
}

void Dravik::buildTimers()
{
    auto timer = [this](const char* name, int intervalMs, bool enabled, void (Dravik::*handler)()) {
        auto* t = new platform::Timer(this, QLatin1String(name), intervalMs, enabled);
        connect(t, &QTimer::timeout, this, handler);
        return t;
    };
    TimerBliki = timer("TimerBliki", 200, true, &Dravik::TimerBliki_Timer);
    TimerDvizen = timer("TimerDvizen", 50, true, &Dravik::TimerDvizen_Timer);
    TimerCompHod = timer("TimerCompHod", 300, false, &Dravik::TimerCompHod_Timer);
    TimerTime = timer("TimerTime", 500, false, &Dravik::TimerTime_Timer);
}
