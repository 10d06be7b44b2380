#include "IconDesign.h"

#include "MetalLettering.h"

#include <QFont>
#include <QPainterPath>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace artwork {

namespace {

enum Ink : int
{
    SeeThrough,
    Rim,
    Olive,
    Lime,
    Pale,
    Outline,
    CellShade,
    CellFace,
    CellLight,
    StoneDark,
    Stone,
    StoneLight,
    RedShade,
    Red,
    RedLight,
    InkCount
};

constexpr std::array<QRgb, InkCount> Inks{
    0xFF000000, 0xFF1E2406, 0xFF607808, 0xFFBEDC32, 0xFFF5FCAA, 0xFF2C2C2A, 0xFF808080, 0xFFC0C0C0,
    0xFFFFFFFF, 0xFF585652, 0xFF76736D, 0xFF9A978F, 0xFF801008, 0xFFE02018, 0xFFFF8070,
};
constexpr int IconColours = 16; // a 4-bit icon always stores 16; the spare ones are black

// Bold 5-pixel letters: two-pixel stems so the word still reads at 32 pixels.
struct Glyph
{
    QChar letter;
    std::array<const char*, 5> rows;
};

constexpr int GlyphHeight = 5;

const std::array<Glyph, 7> Glyphs{{
    {u'B', {"####.", "##.##", "####.", "##.##", "####."}},
    {u'L', {"##..", "##..", "##..", "##..", "####"}},
    {u'I', {"##", "##", "##", "##", "##"}},
    {u'N', {"##..##", "###.##", "######", "##.###", "##..##"}},
    {u'Z', {"#####", "...##", ".###.", "##...", "#####"}},
    {u'O', {".###.", "##.##", "##.##", "##.##", ".###."}},
    {u'R', {"####.", "##.##", "####.", "##.##", "##.##"}},
}};

// Each row of a letter takes the colour chrome would show there, with the dark horizon
// across the middle as in the title.
constexpr std::array<Ink, GlyphHeight> MetalRows{Pale, Lime, Olive, Lime, Lime};

constexpr int CellSize = 5;
constexpr int Cells = 3;
constexpr QPoint GridCorner{6, 7}; // the dark frame round the cells
constexpr int GridSide = Cells * (CellSize + 1) + 1;
constexpr QPoint RedCell{1, 1}; // column, row
constexpr QPoint TopWordCorner{6, 1};
constexpr QPoint BottomWordCorner{8, 26};

using Design = std::array<std::array<Ink, IconDesign::Size>, IconDesign::Size>;

const Glyph& glyphFor(QChar letter)
{
    for (const Glyph& glyph : Glyphs)
        if (glyph.letter == letter)
            return glyph;
    return Glyphs.front();
}

bool onPlate(int x, int y)
{
    const int last = IconDesign::Size - 1;
    return std::min(x, last - x) + std::min(y, last - y) >= 2;
}

void layPlate(Design& d)
{
    const int last = IconDesign::Size - 1;
    for (int y = 0; y <= last; ++y) {
        for (int x = 0; x <= last; ++x) {
            if (!onPlate(x, y))
                continue;
            const bool edge = !onPlate(x - 1, y) || !onPlate(x + 1, y) || !onPlate(x, y - 1) ||
                              !onPlate(x, y + 1) || x == 0 || y == 0 || x == last || y == last;
            Ink ink = Stone;
            if (edge)
                ink = Outline;
            else if (x == 1 || y == 1)
                ink = StoneLight;
            else if (x == last - 1 || y == last - 1)
                ink = StoneDark;
            d[std::size_t(y)][std::size_t(x)] = ink;
        }
    }
}

// A raised cell, lit from the top left like a push button.
void layCell(Design& d, QPoint corner, bool red)
{
    for (int dy = 0; dy < CellSize; ++dy) {
        for (int dx = 0; dx < CellSize; ++dx) {
            Ink ink = red ? Red : CellFace;
            if (dx == CellSize - 1 || dy == CellSize - 1)
                ink = red ? RedShade : CellShade;
            else if (dx == 0 || dy == 0)
                ink = red ? RedLight : CellLight;
            d[std::size_t(corner.y() + dy)][std::size_t(corner.x() + dx)] = ink;
        }
    }
}

void layGrid(Design& d)
{
    for (int y = 0; y < GridSide; ++y)
        for (int x = 0; x < GridSide; ++x)
            d[std::size_t(GridCorner.y() + y)][std::size_t(GridCorner.x() + x)] = Outline;
    for (int row = 0; row < Cells; ++row)
        for (int col = 0; col < Cells; ++col)
            layCell(d, GridCorner + QPoint(1 + col * (CellSize + 1), 1 + row * (CellSize + 1)),
                    QPoint(col, row) == RedCell);
}

// The word's letters with a dark rim below and to the right, as the title's letters cast.
void layWord(Design& d, const QString& word, QPoint corner)
{
    std::vector<QPoint> lit;
    std::vector<Ink> inks;
    int left = corner.x();
    for (QChar letter : word) {
        const Glyph& glyph = glyphFor(letter);
        const int width = int(std::char_traits<char>::length(glyph.rows[0]));
        for (int row = 0; row < GlyphHeight; ++row)
            for (int col = 0; col < width; ++col)
                if (glyph.rows[std::size_t(row)][col] == '#') {
                    lit.emplace_back(left + col, corner.y() + row);
                    inks.push_back(MetalRows[std::size_t(row)]);
                }
        left += width + 1;
    }
    for (const QPoint& p : lit)
        d[std::size_t(p.y() + 1)][std::size_t(p.x() + 1)] = Rim;
    for (std::size_t i = 0; i < lit.size(); ++i)
        d[std::size_t(lit[i].y())][std::size_t(lit[i].x())] = inks[i];
}

Design design()
{
    Design d{};
    layPlate(d);
    layGrid(d);
    layWord(d, QStringLiteral("BLIN"), TopWordCorner);
    layWord(d, QStringLiteral("ZOR"), BottomWordCorner);
    return d;
}

QString number(qreal v)
{
    return QString::number(v, 'f', 2);
}

QString colourName(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

QString pathData(const QPainterPath& path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo())
            d += (i > 0 ? QStringLiteral("Z M") : QStringLiteral("M"));
        else if (e.isLineTo())
            d += QStringLiteral(" L");
        else if (e.isCurveTo())
            d += QStringLiteral(" C");
        d += QLatin1Char(' ') + number(e.x) + QLatin1Char(' ') + number(e.y);
    }
    return d + QStringLiteral(" Z");
}

QString metalGradient()
{
    QString stops;
    for (const MetalStop& stop : MetalReflection)
        stops += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                     .arg(number(stop.at), colourName(stop.colour.toRgb()));
    return QStringLiteral(
               "    <linearGradient id=\"metal\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n") +
           stops + QStringLiteral("    </linearGradient>\n");
}

QString bevelGradient(const QString& id, Ink light, Ink face, Ink shade)
{
    return QStringLiteral("    <linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
                          "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                          "      <stop offset=\"0.5\" stop-color=\"%3\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%4\"/>\n"
                          "    </linearGradient>\n")
        .arg(id, colourName(Inks[light]), colourName(Inks[face]), colourName(Inks[shade]));
}

QString svgWord(const QString& word, const QRectF& box)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(40);
    const QString d = pathData(MetalLettering::fitText(word, font, box));
    return QStringLiteral("  <path d=\"%1\" transform=\"translate(0.45 0.55)\" fill=\"%2\"/>\n"
                          "  <path d=\"%1\" fill=\"url(#metal)\" stroke=\"%2\" "
                          "stroke-width=\"0.3\"/>\n")
        .arg(d, colourName(Inks[Rim]));
}

QString svgGrid()
{
    QString cells =
        QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"0.8\" "
                       "fill=\"%4\"/>\n")
            .arg(GridCorner.x())
            .arg(GridCorner.y())
            .arg(GridSide)
            .arg(colourName(Inks[Outline]));
    for (int row = 0; row < Cells; ++row)
        for (int col = 0; col < Cells; ++col)
            cells += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" "
                                    "rx=\"0.6\" fill=\"url(#%4)\"/>\n")
                         .arg(GridCorner.x() + 1.2 + col * (CellSize + 1))
                         .arg(GridCorner.y() + 1.2 + row * (CellSize + 1))
                         .arg(CellSize - 0.4)
                         .arg(QPoint(col, row) == RedCell ? QStringLiteral("red")
                                                          : QStringLiteral("cell"));
    return cells;
}

} // namespace

QList<QRgb> IconDesign::colours()
{
    QList<QRgb> table(Inks.begin(), Inks.end());
    table.resize(IconColours, Inks[SeeThrough]);
    return table;
}

QImage IconDesign::pixels(int scale) const
{
    const Design d = design();
    QImage image(Size * scale, Size * scale, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int lx = x / scale;
            const int ly = y / scale;
            image.setPixel(x, y, onPlate(lx, ly) ? Inks[d[std::size_t(ly)][std::size_t(lx)]] : 0u);
        }
    return image;
}

QString IconDesign::svg() const
{
    QString text;
    QTextStream out(&text);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Size << "\" height=\"" << Size
        << "\" viewBox=\"0 0 " << Size << ' ' << Size << "\">\n"
        << "  <title>Blinzor</title>\n"
        << "  <defs>\n"
        << metalGradient() << bevelGradient(QStringLiteral("stone"), StoneLight, Stone, StoneDark)
        << bevelGradient(QStringLiteral("cell"), CellLight, CellFace, CellShade)
        << bevelGradient(QStringLiteral("red"), RedLight, Red, RedShade) << "  </defs>\n"
        << "  <rect x=\"0.5\" y=\"0.5\" width=\"31\" height=\"31\" rx=\"2.5\" fill=\"url(#stone)\" "
           "stroke=\""
        << colourName(Inks[Outline]) << "\"/>\n"
        << svgGrid() << svgWord(QStringLiteral("BLIN"), QRectF(5.6, 1.2, 20.8, 4.8))
        << svgWord(QStringLiteral("ZOR"), QRectF(7.6, 26.2, 16.8, 4.8)) << "</svg>\n";
    return text;
}

} // namespace artwork
