#include "AboutPicture.h"
#include "BitmapFile.h"
#include "GlintSpots.h"
#include "GlintStrip.h"
#include "IconDesign.h"
#include "Palette.h"
#include "TitlePicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <stdexcept>

namespace {

using namespace artwork;

// The title keeps room in the strips' 256 colours for the light of the glints.
constexpr int TitleColours = 224;
constexpr int GlintColours = 256 - TitleColours;

// High-density versions would sit next to the ordinary ones as name@2x.ext.
QString fileName(const QString& stem, const QString& extension, int scale)
{
    return scale == 1 ? stem + extension
                      : QStringLiteral("%1@%2x%3").arg(stem).arg(scale).arg(extension);
}

void save(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
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

    save(folder, fileName("title", ".bmp", scale), BitmapFile::trueColour(title));
    save(folder, fileName("glint1", ".bmp", scale),
         BitmapFile::paletted(glint1.draw(title, palette, scale), palette.colourTable()));
    save(folder, fileName("glint2", ".bmp", scale),
         BitmapFile::paletted(glint2.draw(title, palette, scale), palette.colourTable()));
}

void drawIcon(const QDir& folder, int scale)
{
    save(folder, fileName("icon", ".ico", scale),
         BitmapFile::icon(IconDesign().pixels(scale), IconDesign::colours()));
}

void drawScalableIcon(const QDir& folder)
{
    save(folder, "icon.svg", IconDesign().svg().toUtf8());
}

void drawAbout(const QDir& folder, int scale)
{
    save(folder, fileName("about", ".bmp", scale),
         BitmapFile::trueColour(AboutPicture().draw(scale)));
}

} // namespace

int main(int argc, char** argv)
{
    // The generator shows no window; it only needs fonts and a painter.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: blinzor_artwork <assets folder>\n");
        return 2;
    }
    try {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        drawTitleAndGlints(folder, 1);
        drawIcon(folder, 1);
        drawScalableIcon(folder);
        drawAbout(folder, 1);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "blinzor_artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
