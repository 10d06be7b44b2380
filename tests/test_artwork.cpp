#include "../assets/generator/GlintSpots.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>
#include <cmath>

using artwork::GlintSpot;

namespace {

QByteArray rawBytes(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 le32(const QByteArray& bytes, int at)
{
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

quint16 le16(const QByteArray& bytes, int at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

QImage picture(const QString& resource)
{
    return QImage(resource).convertToFormat(QImage::Format_RGB32);
}

const GlintSpot& spotOf(int strip)
{
    return strip == 1 ? artwork::Glint1Spot : artwork::Glint2Spot;
}

QImage stripOf(int strip)
{
    return picture(strip == 1 ? QStringLiteral(":/glint1.bmp") : QStringLiteral(":/glint2.bmp"));
}

bool insideGlint(const GlintSpot& spot, int x, int y)
{
    return std::hypot(x - spot.centreX, y - spot.centreY) <= spot.radius;
}

// Yellow-green metal: far more green than blue, unlike the grey stone.
bool isLettering(QRgb c)
{
    return qGreen(c) - qBlue(c) > 60;
}

struct Change
{
    int inside = 0;
    int outside = 0;
};

// How many pixels of one frame differ from the title beneath the image, inside and outside the
// glint's radius.
Change changeInFrame(const QImage& strip, const QImage& title, const GlintSpot& spot, int frame)
{
    Change change;
    for (int y = 0; y < spot.cellHeight; ++y)
        for (int x = 0; x < spot.cellWidth; ++x) {
            const QRgb shown = strip.pixel(frame * spot.cellWidth + x, y);
            const QRgb beneath = title.pixel(spot.imageLeft + x, spot.imageTop + y);
            if (shown != beneath)
                ++(insideGlint(spot, x, y) ? change.inside : change.outside);
        }
    return change;
}

void addStripRows()
{
    QTest::addColumn<int>("strip");
    QTest::newRow("glint1 over Image1") << 1;
    QTest::newRow("glint2 over Image2") << 2;
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void bitmapsKeepTheirSizeAndDepth_data();
    void bitmapsKeepTheirSizeAndDepth();
    void iconIsThirtyTwoPixelsInSixteenColours();
    void glintFramesCopyTheTitleAroundTheGlint_data();
    void glintFramesCopyTheTitleAroundTheGlint();
    void glintFlaresUpThenDiesDown_data() { addStripRows(); }
    void glintFlaresUpThenDiesDown();
    void glintsPlayOverTheLettering_data() { addStripRows(); }
    void glintsPlayOverTheLettering();
    void aboutShowsTheButtonsWhereTheyWillSit_data();
    void aboutShowsTheButtonsWhereTheyWillSit();
};

void TestArtwork::bitmapsKeepTheirSizeAndDepth_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::addColumn<int>("paletteEntries");
    QTest::newRow("title") << ":/title.bmp" << 169 << 152 << 24 << 0;
    QTest::newRow("glint1") << ":/glint1.bmp" << 256 << 56 << 8 << 256;
    QTest::newRow("glint2") << ":/glint2.bmp" << 188 << 47 << 8 << 256;
    QTest::newRow("about") << ":/about.bmp" << 576 << 432 << 24 << 0;
}

void TestArtwork::bitmapsKeepTheirSizeAndDepth()
{
    QFETCH(QString, resource);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bitsPerPixel);
    QFETCH(int, paletteEntries);

    const QByteArray bytes = rawBytes(resource);
    QVERIFY2(bytes.size() > 54, "the resource is missing or truncated");
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(le32(bytes, 2), quint32(bytes.size()));
    const int infoSize = int(le32(bytes, 14));
    QCOMPARE(int(le32(bytes, 18)), width);
    QCOMPARE(int(le32(bytes, 22)), height);
    QCOMPARE(int(le16(bytes, 28)), bitsPerPixel);
    QCOMPARE(int(le32(bytes, 30)), 0); // uncompressed
    const int paletteBytes = int(le32(bytes, 10)) - 14 - infoSize;
    QCOMPARE(paletteBytes / 4, paletteEntries);

    const QImage image(resource);
    QCOMPARE(image.size(), QSize(width, height));
}

void TestArtwork::iconIsThirtyTwoPixelsInSixteenColours()
{
    const QByteArray bytes = rawBytes(QStringLiteral(":/icon.ico"));
    QVERIFY2(bytes.size() > 22 + 40, "the resource is missing or truncated");
    QCOMPARE(le16(bytes, 2), quint16(1)); // an icon
    QCOMPARE(le16(bytes, 4), quint16(1)); // one image
    QCOMPARE(quint8(bytes[6]), quint8(32));
    QCOMPARE(quint8(bytes[7]), quint8(32));
    QCOMPARE(quint8(bytes[8]), quint8(16));
    QCOMPARE(le16(bytes, 12), quint16(4));
    const int header = int(le32(bytes, 18));
    const int stored = int(le32(bytes, 14));
    QCOMPARE(stored, bytes.size() - header);
    QCOMPARE(int(le16(bytes, header + 14)), 4);
    const int colourBytes = 32 * 32 / 2;
    const int maskBytes = 32 * 32 / 8;
    QCOMPARE((stored - int(le32(bytes, header)) - colourBytes - maskBytes) / 4, 16);

    const QImage icon(QStringLiteral(":/icon.ico"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    QVERIFY2(colours.size() >= 8, "the design is missing its colours");
}

void TestArtwork::glintFramesCopyTheTitleAroundTheGlint_data()
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("frame");
    for (int strip : {1, 2})
        for (int frame = 0; frame < artwork::GlintFrames; ++frame)
            QTest::addRow("glint%d frame %d", strip, frame) << strip << frame;
}

void TestArtwork::glintFramesCopyTheTitleAroundTheGlint()
{
    QFETCH(int, strip);
    QFETCH(int, frame);
    const GlintSpot& spot = spotOf(strip);
    const QImage cells = stripOf(strip);
    QCOMPARE(cells.size(), QSize(artwork::GlintFrames * spot.cellWidth, spot.cellHeight));

    const Change change = changeInFrame(cells, picture(QStringLiteral(":/title.bmp")), spot, frame);
    QCOMPARE(change.outside, 0);
    QVERIFY2(change.inside > 0, "the frame shows no glint");
}

void TestArtwork::glintFlaresUpThenDiesDown()
{
    QFETCH(int, strip);
    const GlintSpot& spot = spotOf(strip);
    const QImage cells = stripOf(strip);
    const QImage title = picture(QStringLiteral(":/title.bmp"));
    std::array<int, artwork::GlintFrames> lit{};
    for (int frame = 0; frame < artwork::GlintFrames; ++frame)
        lit[std::size_t(frame)] = changeInFrame(cells, title, spot, frame).inside;
    const QString counts =
        QStringLiteral("%1 %2 %3 %4").arg(lit[0]).arg(lit[1]).arg(lit[2]).arg(lit[3]);
    QVERIFY2(lit[0] < lit[1] && lit[1] < lit[2], qPrintable("not growing: " + counts));
    QVERIFY2(lit[3] < lit[2], qPrintable("not dying down: " + counts));

    for (int a = 0; a < artwork::GlintFrames; ++a)
        for (int b = a + 1; b < artwork::GlintFrames; ++b)
            QVERIFY2(cells.copy(a * spot.cellWidth, 0, spot.cellWidth, spot.cellHeight) !=
                         cells.copy(b * spot.cellWidth, 0, spot.cellWidth, spot.cellHeight),
                     qPrintable(QStringLiteral("frames %1 and %2 look the same").arg(a).arg(b)));
}

// The glints are meant to catch the metal: each image must lie mostly over lettering, and the
// star's centre must sit on a letter.
void TestArtwork::glintsPlayOverTheLettering()
{
    QFETCH(int, strip);
    const GlintSpot& spot = spotOf(strip);
    const QImage title = picture(QStringLiteral(":/title.bmp"));
    int letteringUnderImage = 0;
    int letteringNearCentre = 0;
    int nearCentre = 0;
    for (int y = 0; y < spot.cellHeight; ++y)
        for (int x = 0; x < spot.cellWidth; ++x) {
            const bool metal = isLettering(title.pixel(spot.imageLeft + x, spot.imageTop + y));
            letteringUnderImage += metal ? 1 : 0;
            if (std::hypot(x - spot.centreX, y - spot.centreY) <= 3) {
                ++nearCentre;
                letteringNearCentre += metal ? 1 : 0;
            }
        }
    QVERIFY2(letteringUnderImage * 4 >= spot.cellWidth * spot.cellHeight,
             qPrintable(QString::number(letteringUnderImage)));
    QVERIFY2(letteringNearCentre * 3 >= nearCentre,
             qPrintable(QStringLiteral("%1 of %2").arg(letteringNearCentre).arg(nearCentre)));
}

void TestArtwork::aboutShowsTheButtonsWhereTheyWillSit_data()
{
    QTest::addColumn<QRect>("button");
    QTest::newRow("OK") << QRect(488, 296, 84, 23);
    QTest::newRow("System Info") << QRect(488, 328, 83, 23);
}

// The copies must match the real buttons to the pixel, or a sliver of the picture's button
// would show beside the real one: the white top edge and the black bottom and right edges
// mark the copy's exact extent.
void TestArtwork::aboutShowsTheButtonsWhereTheyWillSit()
{
    QFETCH(QRect, button);
    const QImage about = picture(QStringLiteral(":/about.bmp"));
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    for (int x = button.left(); x < button.right(); ++x) {
        QCOMPARE(about.pixel(x, button.top()), white);
        QCOMPARE(about.pixel(x, button.bottom()), black);
    }
    for (int y = button.top(); y <= button.bottom(); ++y)
        QCOMPARE(about.pixel(button.right(), y), black);
    for (int y = button.top(); y < button.bottom(); ++y)
        QCOMPARE(about.pixel(button.left(), y), white);
    QCOMPARE(about.pixel(button.left() + 3, button.top() + 3), qRgb(192, 192, 192));
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
