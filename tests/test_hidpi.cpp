// The window on high-density screens: the same layout in logical pixels at device pixel
// ratios 2 and 1.5, and every picture taken from its double-density drawing so that it
// shows sharp. The ratio is fixed before the application starts: 2 in this run, 1.5 in a
// second run of the window's tests that this one starts.
#include "../assets/generator/GlintSpots.h"
#include "Layout.h"
#include "platform/Image.h"
#include "platform/SharpPicture.h"
#include "platform/Twips.h"
#include "ui/About.h"
#include "ui/Dravik.h"

#include <QApplication>
#include <QGroupBox>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <cmath>

using artwork::GlintSpot;
using platform::twipsRect;

namespace {

const char* const RatioVariable = "BLINZOR_TEST_RATIO";

qreal ratio()
{
    return qGuiApp->devicePixelRatio();
}

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ordinaryPicture(const QString& resource)
{
    return rgb(QImage(resource));
}

QImage densePicture(const QString& resource)
{
    return rgb(QImage(platform::doubleDensityName(resource)));
}

// The average difference of two pictures of one size, over the three colours, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// The share of 2 x 2 blocks whose pixels differ: none in a picture that was merely blown
// up from the ordinary one.
double shareOfFineBlocks(const QImage& picture)
{
    int fine = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < picture.height(); y += 2)
        for (int x = 0; x + 1 < picture.width(); x += 2) {
            const QRgb p = picture.pixel(x, y);
            fine += (picture.pixel(x + 1, y) != p || picture.pixel(x, y + 1) != p ||
                     picture.pixel(x + 1, y + 1) != p)
                        ? 1
                        : 0;
            ++blocks;
        }
    return double(fine) / blocks;
}

// What the widget shows over `area` (logical pixels) must come from the dense picture of
// `resource` drawn from the widget's corner: pixel for pixel at ratio 2, and elsewhere
// clearly closer to the dense picture scaled down than to the ordinary one blown up (the
// two filters differ, so not equal to either).
void showsDensePicture(QWidget& widget, const QRect& area, const QString& resource)
{
    const QPixmap shot = widget.grab(area);
    QCOMPARE(shot.devicePixelRatio(), ratio());
    const QImage shown = rgb(shot.toImage());
    const QRect denseArea(area.topLeft() * 2, area.size() * 2);
    const QImage dense = densePicture(resource).copy(denseArea);
    if (ratio() == 2.0) {
        QCOMPARE(shown, dense);
        return;
    }
    const QImage fromDense =
        dense.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage fromOrdinary = ordinaryPicture(resource).copy(area).scaled(
        shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double sharp = meanDifference(shown, fromDense);
    const double blurred = meanDifference(shown, fromOrdinary);
    QVERIFY2(sharp < 0.6 * blurred,
             qPrintable(QStringLiteral("%1 from the dense picture, %2 from the ordinary one")
                            .arg(sharp)
                            .arg(blurred)));
}

// Shown with the glints stopped and cleared, so that the title picture alone fills its box.
void showStill(Dravik& w)
{
    w.TimerBliki->setEnabled(false);
    w.Image1->setPicture(nullptr);
    w.Image2->setPicture(nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

void addPictureRows(bool withIcon)
{
    QTest::addColumn<QString>("resource");
    for (const char* name : {"title.bmp", "glint1.bmp", "glint2.bmp", "about.bmp"})
        QTest::newRow(name) << QStringLiteral(":/") + QLatin1String(name);
    if (withIcon)
        QTest::newRow("icon.ico") << QStringLiteral(":/icon.ico");
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    // The double-density pictures
    void densePicturesAreTwiceTheOrdinary_data() { addPictureRows(true); }
    void densePicturesAreTwiceTheOrdinary();
    void densePicturesHaveDetailOfTheirOwn_data() { addPictureRows(false); }
    void densePicturesHaveDetailOfTheirOwn();
    void denseGlintFramesCopyTheDenseTitle_data();
    void denseGlintFramesCopyTheDenseTitle();

    // The window, at the ratio of this run
    void windowKeepsItsLayout();
    void grabHasTheScreensDensity();
    void titleShowsTheDensePicture();
    void glintCellsAreCutInDevicePixels();
    void aboutShowsTheDensePicture();
    void windowIconHasADenseSize();

    // The window at the ratio 1.5
    void oneAndAHalfPassesTheWindowsTests();
};

void TestHighDpi::densePicturesAreTwiceTheOrdinary()
{
    QFETCH(QString, resource);
    const QImage ordinary = ordinaryPicture(resource);
    QVERIFY(!ordinary.isNull());
    QCOMPARE(densePicture(resource).size(), ordinary.size() * 2);
}

void TestHighDpi::densePicturesHaveDetailOfTheirOwn()
{
    QFETCH(QString, resource);
    const double share = shareOfFineBlocks(densePicture(resource));
    QVERIFY2(share > 0.3, qPrintable(QString::number(share)));
}

void TestHighDpi::denseGlintFramesCopyTheDenseTitle_data()
{
    QTest::addColumn<QString>("strip");
    QTest::newRow("glint1") << QStringLiteral(":/glint1.bmp");
    QTest::newRow("glint2") << QStringLiteral(":/glint2.bmp");
}

// The glint must flare over the same spot of the lettering on every screen: outside its
// radius each dense frame is the dense title under the image.
void TestHighDpi::denseGlintFramesCopyTheDenseTitle()
{
    QFETCH(QString, strip);
    const GlintSpot& spot =
        strip.contains(QLatin1String("glint1")) ? artwork::Glint1Spot : artwork::Glint2Spot;
    const QImage cells = densePicture(strip);
    const QImage title = densePicture(QStringLiteral(":/title.bmp"));
    for (int frame = 0; frame < artwork::GlintFrames; ++frame) {
        int lit = 0;
        for (int y = 0; y < 2 * spot.cellHeight; ++y)
            for (int x = 0; x < 2 * spot.cellWidth; ++x) {
                const QRgb shown = cells.pixel(frame * 2 * spot.cellWidth + x, y);
                const QRgb beneath = title.pixel(2 * spot.imageLeft + x, 2 * spot.imageTop + y);
                const double fromCentre = std::hypot((x + 0.5) / 2 - (spot.centreX + 0.5),
                                                     (y + 0.5) / 2 - (spot.centreY + 0.5));
                if (fromCentre > spot.radius)
                    QCOMPARE(shown, beneath);
                else
                    lit += shown != beneath ? 1 : 0;
            }
        QVERIFY2(lit > 0, qPrintable(QStringLiteral("frame %1 shows no glint").arg(frame)));
    }
}

void TestHighDpi::windowKeepsItsLayout()
{
    Dravik w;
    showStill(w);
    QCOMPARE(w.centralWidget()->size(), QSize(522, 345));
    QCOMPARE(w.width(), 522);
    QCOMPARE(misplaced(w, mainWindowLayout), QStringList());
    // The captions still fit: the fonts grow with the ratio as everything else does.
    for (QWidget* caption : {static_cast<QWidget*>(w.labelT), static_cast<QWidget*>(w.ob[2])})
        QVERIFY(caption->width() >= caption->sizeHint().width());
}

void TestHighDpi::grabHasTheScreensDensity()
{
    Dravik w;
    showStill(w);
    QCOMPARE(w.windowHandle()->devicePixelRatio(), ratio());
    const QPixmap shot = w.grab();
    QCOMPARE(shot.devicePixelRatio(), ratio());
    QCOMPARE(shot.deviceIndependentSize().toSize(), w.size());
    QCOMPARE(shot.width(), qRound(w.width() * ratio()));
}

void TestHighDpi::titleShowsTheDensePicture()
{
    Dravik w;
    showStill(w);
    QCOMPARE(w.pic->picture()->devicePixelRatio(), 2.0);
    // The box is two columns narrower than the picture.
    showsDensePicture(*w.pic, QRect(0, 0, 167, 152), QStringLiteral(":/title.bmp"));
}

void TestHighDpi::glintCellsAreCutInDevicePixels()
{
    Dravik w;
    const QImage strip = densePicture(QStringLiteral(":/glint1.bmp"));
    QCOMPARE(w.PictureClip1.cellSize(), QSize(64, 56));
    for (int n = 0; n < 4; ++n) {
        const QPixmap& cell = w.PictureClip1.GraphicCell(n);
        QCOMPARE(cell.devicePixelRatio(), 2.0);
        QCOMPARE(rgb(cell.toImage()), strip.copy(n * 128, 0, 128, 112));
    }
    QCOMPARE(w.PictureClip2.cellSize(), QSize(47, 47));
    QCOMPARE(w.PictureClip2.GraphicCell(3).size(), QSize(94, 94));
}

void TestHighDpi::aboutShowsTheDensePicture()
{
    About dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(575, 431));
    // All but the corner where the real buttons lie over the picture's copies of them.
    showsDensePicture(dialog, QRect(0, 0, 480, 431), QStringLiteral(":/about.bmp"));
}

void TestHighDpi::windowIconHasADenseSize()
{
    Dravik w;
    const QIcon icon = w.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
    const QImage dense = rgb(icon.pixmap(QSize(32, 32), 2.0).toImage());
    QCOMPARE(dense, rgb(QImage(QStringLiteral(":/icon@2x.png"))));
}

void TestHighDpi::oneAndAHalfPassesTheWindowsTests()
{
    if (ratio() != 2.0)
        QSKIP("this is the run at 1.5");
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(RatioVariable), QStringLiteral("1.5"));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("windowKeepsItsLayout"), QStringLiteral("grabHasTheScreensDensity"),
               QStringLiteral("titleShowsTheDensePicture"),
               QStringLiteral("glintCellsAreCutInDevicePixels"),
               QStringLiteral("aboutShowsTheDensePicture")});
    QVERIFY(run.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(run.readAll());
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("Totals: 7 passed")), qPrintable(output));
}

int main(int argc, char** argv)
{
    // The toolkit reads the ratio once, when the application starts.
    const QByteArray wanted = qgetenv(RatioVariable);
    qputenv("QT_SCALE_FACTOR", wanted.isEmpty() ? QByteArray("2") : wanted);
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
