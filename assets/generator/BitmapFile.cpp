#include "BitmapFile.h"

#include <QHash>
#include <cstdint>
#include <stdexcept>

namespace artwork {

namespace {

constexpr int InfoHeaderSize = 40;
constexpr int FileHeaderSize = 14;
constexpr std::int32_t PixelsPerMetre = 3780; // 96 dots per inch

class LittleEndian
{
public:
    explicit LittleEndian(QByteArray& bytes) : bytes_(bytes) {}

    void u8(int v) { bytes_.append(char(v & 0xFF)); }
    void u16(int v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::int64_t v)
    {
        u16(int(v & 0xFFFF));
        u16(int((v >> 16) & 0xFFFF));
    }
    void padRow() // every row of a bitmap takes a whole number of 32-bit words
    {
        while ((bytes_.size() - rowStart_) % 4 != 0)
            u8(0);
        rowStart_ = bytes_.size();
    }
    void startRow() { rowStart_ = bytes_.size(); }

private:
    QByteArray& bytes_;
    qsizetype rowStart_ = 0;
};

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void infoHeader(LittleEndian& out, QSize size, int storedHeight, int bitsPerPixel, int imageBytes,
                int colours)
{
    out.u32(InfoHeaderSize);
    out.u32(size.width());
    out.u32(storedHeight);
    out.u16(1);
    out.u16(bitsPerPixel);
    out.u32(0); // uncompressed
    out.u32(imageBytes);
    out.u32(PixelsPerMetre);
    out.u32(PixelsPerMetre);
    out.u32(colours);
    out.u32(0);
}

void fileHeader(LittleEndian& out, int pixelOffset, int imageBytes)
{
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + imageBytes);
    out.u32(0);
    out.u32(pixelOffset);
}

void colourTable(LittleEndian& out, const QList<QRgb>& table)
{
    for (QRgb c : table) {
        out.u8(qBlue(c));
        out.u8(qGreen(c));
        out.u8(qRed(c));
        out.u8(0);
    }
}

QHash<QRgb, int> indexOf(const QList<QRgb>& table)
{
    QHash<QRgb, int> index;
    for (int i = int(table.size()) - 1; i >= 0; --i)
        index[table[i] | 0xFF000000u] = i;
    return index;
}

int lookUp(const QHash<QRgb, int>& index, QRgb colour)
{
    const auto found = index.constFind(colour | 0xFF000000u);
    if (found == index.constEnd())
        throw std::runtime_error("a pixel's colour is missing from the palette");
    return found.value();
}

} // namespace

QByteArray BitmapFile::trueColour(const QImage& image)
{
    const int imageBytes = rowBytes(image.width(), 24) * image.height();
    QByteArray bytes;
    LittleEndian out(bytes);
    fileHeader(out, FileHeaderSize + InfoHeaderSize, imageBytes);
    infoHeader(out, image.size(), image.height(), 24, imageBytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        out.startRow();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            out.u8(qBlue(c));
            out.u8(qGreen(c));
            out.u8(qRed(c));
        }
        out.padRow();
    }
    return bytes;
}

QByteArray BitmapFile::paletted(const QImage& image, const QList<QRgb>& table)
{
    const QHash<QRgb, int> index = indexOf(table);
    const int imageBytes = rowBytes(image.width(), 8) * image.height();
    const int pixelOffset = FileHeaderSize + InfoHeaderSize + int(table.size()) * 4;
    QByteArray bytes;
    LittleEndian out(bytes);
    fileHeader(out, pixelOffset, imageBytes);
    infoHeader(out, image.size(), image.height(), 8, imageBytes, int(table.size()));
    colourTable(out, table);
    for (int y = image.height() - 1; y >= 0; --y) {
        out.startRow();
        for (int x = 0; x < image.width(); ++x)
            out.u8(lookUp(index, image.pixel(x, y)));
        out.padRow();
    }
    return bytes;
}

// An icon file holds a directory of images; ours has one, stored as a bitmap of twice the
// height: the colour pixels followed by a 1-bit mask that marks the see-through pixels.
QByteArray BitmapFile::icon(const QImage& image, const QList<QRgb>& table)
{
    const QHash<QRgb, int> index = indexOf(table);
    const int colourBytes = rowBytes(image.width(), 4) * image.height();
    const int maskBytes = rowBytes(image.width(), 1) * image.height();
    const int resourceBytes = InfoHeaderSize + int(table.size()) * 4 + colourBytes + maskBytes;
    const int directoryBytes = 6 + 16;
    QByteArray bytes;
    LittleEndian out(bytes);
    out.u16(0);
    out.u16(1); // an icon, not a cursor
    out.u16(1);
    out.u8(image.width());
    out.u8(image.height());
    out.u8(int(table.size()));
    out.u8(0);
    out.u16(1);
    out.u16(4);
    out.u32(resourceBytes);
    out.u32(directoryBytes);
    infoHeader(out, image.size(), 2 * image.height(), 4, colourBytes + maskBytes, 0);
    colourTable(out, table);
    auto seeThrough = [&](int x, int y) { return qAlpha(image.pixel(x, y)) < 128; };
    for (int y = image.height() - 1; y >= 0; --y) {
        out.startRow();
        for (int x = 0; x < image.width(); x += 2) {
            auto nibble = [&](int px) {
                return seeThrough(px, y) ? 0 : lookUp(index, image.pixel(px, y));
            };
            out.u8(nibble(x) << 4 | nibble(x + 1));
        }
        out.padRow();
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        out.startRow();
        for (int x = 0; x < image.width(); x += 8) {
            int bits = 0;
            for (int i = 0; i < 8; ++i)
                bits = bits << 1 | (seeThrough(x + i, y) ? 1 : 0);
            out.u8(bits);
        }
        out.padRow();
    }
    return bytes;
}

} // namespace artwork
