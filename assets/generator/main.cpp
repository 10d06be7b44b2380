#include "AboutPicture.h"
#include "BitmapFile.h"
#include "GlintSpots.h"
#include "GlintStrip.h"
#include "IconDesign.h"
#include "Palette.h"
#include "TitlePicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace {

using namespace artwork;

// The title keeps room in the strips' 256 colours for the light of the glints.
constexpr int TitleColours = 224;
constexpr int GlintColours = 256 - TitleColours;

// The sizes at which desktops look for an application's icon in the hicolor theme.
constexpr std::array ThemeIconSizes{32, 48, 64, 128, 256};

void save(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    if (!folder.mkpath(QFileInfo(name).path()))
        throw std::runtime_error("cannot make the folder for " + name.toStdString());
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode a PNG picture");
    return bytes;
}

// The window's design fixes the ordinary pictures' file formats and depths. The
// double-density ones for high-density screens sit beside them as name@2x.png: the window
// reads them as the ordinary ones' twins, and PNG keeps their four times as many pixels small.
void savePicture(const QDir& folder, const QString& stem, int scale, const QByteArray& ordinary,
                 const QImage& picture)
{
    if (scale == 1)
        save(folder, stem + ".bmp", ordinary);
    else
        save(folder, QStringLiteral("%1@%2x.png").arg(stem).arg(scale), png(picture));
}

void drawTitleAndGlints(const QDir& folder, int scale)
{
    const QImage painted = TitlePicture().draw(scale);
    const Palette titleColours = Palette::representing(Palette::samplesOf(painted), TitleColours);
    const QImage title = titleColours.diffuse(painted);

    const GlintStrip glint1(Glint1Spot);
    const GlintStrip glint2(Glint2Spot);
    std::vector<Rgbf> light = glint1.litColours(title, scale);
    const std::vector<Rgbf> light2 = glint2.litColours(title, scale);
    light.insert(light.end(), light2.begin(), light2.end());
    Palette palette = titleColours;
    palette.append(Palette::representing(light, GlintColours));
    palette.fillTo(256);

    savePicture(folder, "title", scale, BitmapFile::trueColour(title), title);
    for (const auto& [stem, strip] : {std::pair("glint1", &glint1), std::pair("glint2", &glint2)}) {
        const QImage cells = strip->draw(title, palette, scale);
        savePicture(folder, stem, scale, BitmapFile::paletted(cells, palette.colourTable()), cells);
    }
}

void drawAbout(const QDir& folder, int scale)
{
    const QImage about = AboutPicture().draw(scale);
    savePicture(folder, "about", scale, BitmapFile::trueColour(about), about);
}

// The window's own icon: the hand-placed pixels, each a 2 x 2 block at double density, so
// the title bar shows the same sharp design on every screen.
void drawWindowIcon(const QDir& folder)
{
    const QImage pixels = IconDesign().pixels(1);
    save(folder, "icon.ico", BitmapFile::icon(pixels, IconDesign::colours()));
    save(folder, "icon@2x.png", png(IconDesign().pixels(2)));
}

QImage rendered(QSvgRenderer& svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The desktop's icon for menus, launchers and software centres: the scalable design, and
// the same drawn at each size that desktops ask for, under the application's id.
void drawThemeIcons(const QDir& data)
{
    const QString id = QStringLiteral(BLINZOR_APP_ID);
    const QByteArray svg = IconDesign().svg().toUtf8();
    save(data, QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(id), svg);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw std::runtime_error("the scalable icon does not parse");
    for (int size : ThemeIconSizes)
        save(data, QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id),
             png(rendered(renderer, size)));
}

} // namespace

int main(int argc, char** argv)
{
    // The generator shows no window; it only needs fonts and a painter.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: blinzor_artwork <assets folder> <data folder>\n");
        return 2;
    }
    try {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        for (int scale : {1, 2}) {
            drawTitleAndGlints(folder, scale);
            drawAbout(folder, scale);
        }
        drawWindowIcon(folder);
        drawThemeIcons(QDir(QString::fromLocal8Bit(argv[2])));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "blinzor_artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
