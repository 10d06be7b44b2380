// The thin layer over the toolkit: message boxes by style number, the random generator,
// timers, picture strips, reading numbers back from labels, how frames reach the display,
// the command line and the session bus.
#include "RealModal.h"
#include "platform/drawing/Placement.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/MsgBox.h"
#include "platform/runtime/PictureClip.h"
#include "platform/runtime/Timer.h"
#include "platform/runtime/Val.h"
#include "platform/system/CommandLine.h"
#include "platform/system/FrameTransfer.h"
#include "platform/system/SessionBus.h"
#include "rules/standins/Contrast.h"
#include "rules/standins/Random.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <cmath>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;
using namespace rules;

namespace {

// A listening socket at `path`, as a session's bus has one; closed when it goes.
class SocketFile
{
public:
    explicit SocketFile(const QByteArray& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        listening_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     listen(fd_, 1) == 0;
    }
    ~SocketFile() { close(fd_); }
    SocketFile(const SocketFile&) = delete;
    SocketFile& operator=(const SocketFile&) = delete;
    bool listening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

// Sets an environment variable, or takes it away, for the life of the object.
class EnvironmentChange
{
public:
    EnvironmentChange(const char* name, const std::optional<QByteArray>& value)
        : name_(name),
          old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        set(value);
    }
    ~EnvironmentChange() { set(old_); }
    EnvironmentChange(const EnvironmentChange&) = delete;
    EnvironmentChange& operator=(const EnvironmentChange&) = delete;

private:
    void set(const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }

    const char* name_;
    std::optional<QByteArray> old_;
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void styleNumbersDecodeIntoButtonsIconAndDefault_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("0") << 0 << int(MsgBoxButtons::OK) << int(MsgBoxIcon::None) << 0;
        QTest::newRow("16") << 16 << int(MsgBoxButtons::OK) << int(MsgBoxIcon::Critical) << 0;
        QTest::newRow("48") << 48 << int(MsgBoxButtons::OK) << int(MsgBoxIcon::Exclamation) << 0;
        QTest::newRow("64") << 64 << int(MsgBoxButtons::OK) << int(MsgBoxIcon::Information) << 0;
        QTest::newRow("292") << 292 << int(MsgBoxButtons::YesNo) << int(MsgBoxIcon::Question) << 1;
        QTest::newRow("second default of one") << 256 << int(MsgBoxButtons::OK) << 0 << 0;
    }
    void styleNumbersDecodeIntoButtonsIconAndDefault()
    {
        QFETCH(int, style);
        QFETCH(int, buttons);
        QFETCH(int, icon);
        QFETCH(int, defaultButton);
        const MsgBoxStyle decoded = decodeMsgBoxStyle(style);
        QCOMPARE(int(decoded.buttons), buttons);
        QCOMPARE(int(decoded.icon), icon);
        QCOMPARE(decoded.defaultButton, defaultButton);
    }

    void realBoxShowsItsStyleAndReturnsThePressedButton()
    {
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        whenModalAppears([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                buttons.append(b->text().remove(QLatin1Char('&')));
            QCOMPARE(box->defaultButton()->text(), QStringLiteral("&No"));
            clickButton(box, QStringLiteral("Yes"));
        });
        QCOMPARE(MsgBox(QStringLiteral("Really?"), 292, QStringLiteral("Ending")), int(vbYes));
        QCOMPARE(title, QStringLiteral("Ending"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    }

    void enterAndEscapeOnRealBoxes()
    {
        whenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QCOMPARE(MsgBox(QStringLiteral("?"), 292, QStringLiteral("Ending")),
                 int(vbNo)); // No is the default
        whenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(MsgBox(QStringLiteral("Over"), 48, QStringLiteral("Game Over")), int(vbOK));
        whenModalAppears([](QWidget* box) {
            QCOMPARE(qobject_cast<QMessageBox*>(box)->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->windowTitle(), QStringLiteral("Blinzor"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(MsgBox(QStringLiteral("plain"), 0, QStringLiteral("Blinzor")), int(vbOK));
    }

    // A box belongs to the game, or to the dialog open over it, even when another window
    // is active the moment it opens, as when the computer's delayed move ends a game.
    void boxIsOwnedByTheGameWhateverWindowIsActive()
    {
        QMainWindow game;
        game.show();
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QWidget* owner = nullptr;
        auto noteOwner = [&owner](QWidget* box) {
            owner = box->parentWidget();
            QTest::keyClick(box, Qt::Key_Return);
        };
        whenModalAppears(noteOwner);
        MsgBox(QStringLiteral("Over"), 48, QStringLiteral("Game Over"));
        QCOMPARE(owner, &game);

        QDialog dialog(&game);
        whenModalAppears([&](QWidget* modal) {
            QApplication::setActiveWindow(&other);
            whenModalAppears(noteOwner);
            MsgBox(QStringLiteral("Unavailable"), 0, QStringLiteral("Blinzor"));
            modal->close();
        });
        dialog.exec();
        QCOMPARE(owner, &dialog);
    }

    void rndStaysInUnitIntervalAndSpreads()
    {
        int low = 0;
        double sum = 0;
        for (int i = 0; i < 20000; ++i) {
            const float r = Rnd();
            QVERIFY(r >= 0.0f && r < 1.0f);
            low += r < 0.1f;
            sum += r;
        }
        QVERIFY(low > 1700 && low < 2300);
        QVERIFY(std::abs(sum / 20000 - 0.5) < 0.02);
    }

    void reseedsInOneClockTickStillGiveIndependentDraws()
    {
        QList<float> draws;
        for (int i = 0; i < 200; ++i) {
            Randomize();
            draws.append(Rnd());
        }
        std::sort(draws.begin(), draws.end());
        QVERIFY(std::adjacent_find(draws.begin(), draws.end()) == draws.end());
    }

    void scriptReplacesTheGeneratorUntilRemoved()
    {
        replaceRnd([] { return 0.25f; });
        QCOMPARE(Rnd(), 0.25f);
        replaceRnd({});
        QVERIFY(Rnd() != 0.25f || Rnd() != 0.25f);
    }

    void timerEnabledFlagStartsAndStops()
    {
        Timer t(nullptr, QStringLiteral("TimerTest"), 40, false);
        QVERIFY(!t.enabled());
        int ticks = 0;
        connect(&t, &QTimer::timeout, [&] { ++ticks; });
        t.setEnabled(true);
        QVERIFY(t.enabled());
        QTRY_VERIFY(ticks >= 2);
        t.setEnabled(false);
        const int stopped = ticks;
        QTest::qWait(120);
        QCOMPARE(ticks, stopped);
        QCOMPARE(t.objectName(), QStringLiteral("TimerTest"));
    }

    void pictureClipHandsOutCellsLeftToRight()
    {
        QImage strip(40, 7, QImage::Format_RGB32);
        for (int n = 0; n < 4; ++n) {
            QPainter p(&strip);
            p.fillRect(10 * n, 0, 10, 7, QColor(n * 60, 0, 0));
        }
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/stripXXXXXX.png"));
        QVERIFY(file.open());
        QVERIFY(strip.save(file.fileName(), "PNG"));
        const PictureClip clip(file.fileName());
        QCOMPARE(clip.cellSize(), QSize(10, 7));
        for (int n = 0; n < 4; ++n)
            QCOMPARE(clip.GraphicCell(n).toImage().pixelColor(5, 3), QColor(n * 60, 0, 0));
    }

    void valReadsTheLeadingNumber()
    {
        QCOMPARE(Val(QString()), 0);
        QCOMPARE(Val(QStringLiteral("20")), 20);
        QCOMPARE(Val(QStringLiteral("-3")), -3);
        QCOMPARE(Val(QStringLiteral(" 7x")), 7);
        QCOMPARE(Val(QStringLiteral("x7")), 0);
        QCOMPARE(Val(QStringLiteral("99999999999")), std::numeric_limits<int>::max());
    }

    // The switch is on while the toolkit connects, gone again for the programs the game
    // starts, and a user's own setting, whatever its value, is never touched.
    void inlineFramesSwitchIsOursAloneAndYieldsToTheUsers()
    {
        const char* name = "QT_XCB_NO_MITSHM";
        qunsetenv(name);
        sendFramesInline();
        QCOMPARE(qgetenv(name), QByteArray("1"));
        keepFrameSettingToOurselves();
        QVERIFY(!qEnvironmentVariableIsSet(name));

        qputenv(name, QByteArrayLiteral("0"));
        sendFramesInline();
        keepFrameSettingToOurselves();
        QCOMPARE(qgetenv(name), QByteArray("0"));
        qunsetenv(name);
    }

    // --- Colours that read ---

    void contrastFollowsTheLuminanceOfBoth()
    {
        const Rgb black{0, 0, 0}, white{255, 255, 255}, red{255, 0, 0}, grey{192, 192, 192};
        QCOMPARE(relativeLuminance(black), 0.0);
        QCOMPARE(relativeLuminance(white), 1.0);
        QVERIFY(std::abs(relativeLuminance(red) - 0.2126) < 1e-9);
        QCOMPARE(contrastRatio(black, white), 21.0);
        QCOMPARE(contrastRatio(white, black), 21.0); // the order does not matter
        QCOMPARE(contrastRatio(grey, grey), 1.0);
        QVERIFY(std::abs(contrastRatio(black, red) - 5.252) < 0.001);
        QVERIFY(std::abs(contrastRatio(white, red) - 3.998) < 0.001);
        // Green weighs most: the same level in green alone is far lighter than in blue.
        QVERIFY(relativeLuminance({0, 128, 0}) > 9 * relativeLuminance({0, 0, 128}));
    }

    // Dark greys lie on the straight part of the curve, up to level 10; lighter ones on the
    // power part. Values from the sRGB formula.
    void luminanceOfGreysOnBothPartsOfTheCurve_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("luminance");
        QTest::newRow("1") << 1 << 0.000304;
        QTest::newRow("10") << 10 << 0.003035;
        QTest::newRow("11") << 11 << 0.003347;
        QTest::newRow("50") << 50 << 0.031896;
        QTest::newRow("100") << 100 << 0.127438;
        QTest::newRow("103") << 103 << 0.135633;
        QTest::newRow("128") << 128 << 0.215861;
    }
    void luminanceOfGreysOnBothPartsOfTheCurve()
    {
        QFETCH(int, level);
        QFETCH(double, luminance);
        const double seen = relativeLuminance({level, level, level});
        QVERIFY2(std::abs(seen - luminance) < 1e-6, qPrintable(QString::number(seen, 'f', 6)));
    }

    // On button face a caption takes the desktop's button text where that reads, else black
    // or white; on the game's own colours the desktop's text plays no part.
    void captionColourOnTheDesktopsFace_data()
    {
        QTest::addColumn<Color>("back");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("caption");
        const QColor black(Qt::black), white(Qt::white), pale(231, 228, 224);
        const QColor darkFace(66, 66, 69), lightFace(239, 239, 239);
        QTest::newRow("light face, black text") << ButtonFace << lightFace << black << black;
        QTest::newRow("dark face, pale text") << ButtonFace << darkFace << pale << pale;
        QTest::newRow("dark face, dark text")
            << ButtonFace << darkFace << QColor(40, 40, 40) << white;
        QTest::newRow("light face, pale text") << ButtonFace << lightFace << pale << black;
        QTest::newRow("white under a dark scheme") << White << darkFace << pale << black;
        QTest::newRow("red under a dark scheme") << Red << darkFace << pale << black;
    }
    void captionColourOnTheDesktopsFace()
    {
        QFETCH(Color, back);
        QFETCH(QColor, face);
        QFETCH(QColor, text);
        QFETCH(QColor, caption);
        QPalette palette;
        palette.setColor(QPalette::Button, face);
        palette.setColor(QPalette::ButtonText, text);
        QCOMPARE(captionColor(back, palette), caption);
    }

    void textColourReadsOnItsBack()
    {
        const Rgb black{0, 0, 0}, white{255, 255, 255};
        // The game's own colours: white, red and light grey all take black.
        for (const Rgb back : {Rgb{255, 255, 255}, Rgb{255, 0, 0}, Rgb{192, 192, 192}})
            QCOMPARE(textColorOn(back), black);
        QCOMPARE(textColorOn({66, 66, 69}), white);
        // The desktop's text colour is kept where it reads, replaced where it does not.
        const Rgb pale{231, 228, 224};
        QCOMPARE(textColorOn({66, 66, 69}, pale), pale);
        QCOMPARE(textColorOn({212, 212, 212}, pale), black);
        QCOMPARE(textColorOn({255, 255, 255}, {118, 118, 118}), Rgb({118, 118, 118})); // 4.54
        QCOMPARE(textColorOn({255, 255, 255}, {119, 119, 119}), black);                // 4.48
    }

    void fadedTextReachesItsFigureOnTheWayToTheBack_data()
    {
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("back");
        QTest::newRow("black on white") << 0x000000 << 0xFFFFFF;
        QTest::newRow("black on grey") << 0x000000 << 0xD4D4D4;
        QTest::newRow("white on a dark face") << 0xFFFFFF << 0x424245;
        QTest::newRow("yellow on black") << 0xFFFF00 << 0x000000;
    }
    void fadedTextReachesItsFigureOnTheWayToTheBack()
    {
        QFETCH(int, text);
        QFETCH(int, back);
        auto split = [](int c) { return Rgb{(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF}; };
        const Rgb from = split(text), to = split(back);
        const Rgb faded = fadedTowards(from, to, DisabledContrast);
        const double seen = contrastRatio(faded, to);
        QVERIFY2(seen >= DisabledContrast && seen < DisabledContrast + 0.1,
                 qPrintable(QString::number(seen)));
        // Each channel lies between the text's and the back's.
        for (auto channel : {&Rgb::r, &Rgb::g, &Rgb::b})
            QVERIFY(std::min(from.*channel, to.*channel) <= faded.*channel &&
                    faded.*channel <= std::max(from.*channel, to.*channel));
        // Text that already reads less than the figure is left alone.
        QCOMPARE(fadedTowards(faded, to, 2 * DisabledContrast), faded);
    }

    void cellFaceStaysApartFromTheOpenLine()
    {
        QCOMPARE(faceApartFromWhite({66, 66, 69}), Rgb({66, 66, 69}));       // a dark desktop's
        QCOMPARE(faceApartFromWhite({160, 160, 160}), Rgb({160, 160, 160})); // clearly grey
        QCOMPARE(faceApartFromWhite({239, 239, 239}), Rgb({212, 212, 212})); // all but white
        QCOMPARE(faceApartFromWhite({255, 255, 255}), Rgb({212, 212, 212}));
    }

    void commandLineAnswersHelpAndVersionAndLeavesTheRestAlone_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer"); // "usage" for the help text, "" to open the game
        const QString version = QStringLiteral("Blinzor 3.00\n");
        QTest::newRow("nothing") << QStringList{} << QString();
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << version;
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << QStringLiteral("usage");
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << QStringLiteral("usage");
        QTest::newRow("help wins over version")
            << QStringList{QStringLiteral("--version"), QStringLiteral("--help")}
            << QStringLiteral("usage");
        QTest::newRow("after the toolkit's options")
            << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"),
                           QStringLiteral("--version")}
            << version;
        // Read as letters run together these would hold -h and -v.
        QTest::newRow("the toolkit's options alone")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                           QStringLiteral("-reverse"), QStringLiteral("-stylesheet"),
                           QStringLiteral("board.qss")}
            << QString();
        QTest::newRow("unknown option and argument")
            << QStringList{QStringLiteral("--frobnicate"), QStringLiteral("saved.game")}
            << QString();
        QTest::newRow("after --") << QStringList{QStringLiteral("--"), QStringLiteral("--help")}
                                  << QString();
    }
    void commandLineAnswersHelpAndVersionAndLeavesTheRestAlone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);
        const std::optional<QString> got =
            commandLineAnswer(QStringList{QStringLiteral("blinzor")} + arguments);
        if (answer.isEmpty()) {
            QVERIFY2(!got, qPrintable(got.value_or(QString())));
        } else if (answer == QStringLiteral("usage")) {
            QVERIFY(got);
            QVERIFY(got->startsWith(QStringLiteral("Usage: blinzor ")));
            QVERIFY(got->contains(QStringLiteral("--version")));
        } else {
            QCOMPARE(got, std::optional(answer));
        }
    }

    // D-Bus finds a bus by an address given, or the user's bus - a socket of the user's own
    // in the runtime folder - before it would start one. (No display: none advertised.)
    void sessionBusIsFoundWhereDBusLooks_data()
    {
        QTest::addColumn<bool>("addressGiven");
        QTest::addColumn<bool>("runtimeFolder");
        QTest::addColumn<QString>("bus"); // what lies in the runtime folder as "bus"
        QTest::addColumn<bool>("found");
        QTest::newRow("nothing") << false << true << "" << false;
        QTest::newRow("no runtime folder") << false << false << "" << false;
        QTest::newRow("an address") << true << true << "" << true;
        QTest::newRow("the user's bus") << false << true << "socket" << true;
        QTest::newRow("a plain file") << false << true << "file" << false;
        QTest::newRow("an address and the user's bus") << true << true << "socket" << true;
    }
    void sessionBusIsFoundWhereDBusLooks()
    {
        QFETCH(bool, addressGiven);
        QFETCH(bool, runtimeFolder);
        QFETCH(QString, bus);
        QFETCH(bool, found);
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        const QByteArray busPath = runtime.filePath(QStringLiteral("bus")).toLocal8Bit();
        std::optional<SocketFile> socket;
        if (bus == QLatin1String("socket")) {
            socket.emplace(busPath);
            QVERIFY(socket->listening());
        } else if (bus == QLatin1String("file")) {
            QFile file(QString::fromLocal8Bit(busPath));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const EnvironmentChange runtimeDir(
            "XDG_RUNTIME_DIR",
            runtimeFolder ? std::optional(runtime.path().toLocal8Bit()) : std::nullopt);
        const EnvironmentChange noDisplay("DISPLAY", std::nullopt);
        const EnvironmentChange address(
            "DBUS_SESSION_BUS_ADDRESS",
            addressGiven ? std::optional(QByteArray("unix:path=/nowhere")) : std::nullopt);
        QCOMPARE(sessionBusCanBeFound(), found);
    }

    // --- Where windows open ---

    void windowsOpenCentredYetWithinTheScreen_data()
    {
        QTest::addColumn<QRect>("over");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("room");
        QTest::addColumn<QPoint>("corner");
        const QRect screen(0, 0, 1920, 1080);
        QTest::newRow("centred on the screen")
            << screen << QSize(540, 400) << screen << QPoint(690, 340);
        QTest::newRow("over an owner at the right edge")
            << QRect(1800, 100, 200, 200) << QSize(300, 200) << screen << QPoint(1620, 100);
        QTest::newRow("over an owner above the top")
            << QRect(500, -300, 200, 200) << QSize(300, 400) << screen << QPoint(450, 0);
        QTest::newRow("larger than the room") << QRect(100, 50, 1820, 1030) << QSize(2000, 1200)
                                              << QRect(100, 50, 1820, 1030) << QPoint(100, 50);
        QTest::newRow("a second screen's corner")
            << QRect(3000, 900, 100, 100) << QSize(400, 300) << QRect(1920, 0, 1280, 1024)
            << QPoint(2800, 724);
    }
    void windowsOpenCentredYetWithinTheScreen()
    {
        QFETCH(QRect, over);
        QFETCH(QSize, size);
        QFETCH(QRect, room);
        QFETCH(QPoint, corner);
        QCOMPARE(centredWithin(over, size, room), corner);
    }

    // Where no bus can be found, the toolkit's one try at it meets an address that fails at
    // once, and that address is gone again for the programs the game starts. A bus of the
    // user's session, or an address of the user's own, is left as it is. (The toolkit tries
    // once a run, so the case without a bus comes first.)
    void sessionBusAddressIsOursOnlyWhereNoBusCanBeFound()
    {
        const char* address = "DBUS_SESSION_BUS_ADDRESS";
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        const EnvironmentChange runtimeDir("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        const EnvironmentChange noDisplay("DISPLAY", std::nullopt);
        const EnvironmentChange noAddress(address, std::nullopt);

        avoidStartingSessionBus();
        QVERIFY(!qEnvironmentVariableIsSet(address));
        // Not D-Bus's own complaint that it cannot start a bus: the address it was given.
        QCOMPARE(QDBusConnection::sessionBus().lastError().type(), QDBusError::BadAddress);

        {
            const SocketFile userBus(runtime.filePath(QStringLiteral("bus")).toLocal8Bit());
            QVERIFY(userBus.listening());
            QVERIFY(sessionBusCanBeFound());
            avoidStartingSessionBus();
            QVERIFY(!qEnvironmentVariableIsSet(address));
        }

        const EnvironmentChange given(address, QByteArray("unix:path=/nowhere"));
        avoidStartingSessionBus();
        QCOMPARE(qgetenv(address), QByteArray("unix:path=/nowhere"));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
