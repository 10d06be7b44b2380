#include "AboutPicture.h"

#include "platform/drawing/DejaVuSans.h"
#include "ui/AboutWords.h"

#include <QFont>
#include <array>

using platform::dejaVuSans;

namespace artwork {

namespace {

constexpr QRect Slate = AboutWords::Slate;
constexpr QRect BoardCorner{493, 141, 74, 74}; // framed to line up with the buttons below
constexpr int BoardCell = 22;
constexpr int BoardGap = 4;

const QColor ButtonFace(192, 192, 192);
const QColor ButtonLight(255, 255, 255);
const QColor ButtonSoftLight(223, 223, 223);
const QColor ButtonShade(128, 128, 128);
const QColor ButtonDark(0, 0, 0);

MetalLettering aboutLettering()
{
    return MetalLettering({MetalLettering::fitText(QStringLiteral("BLINZOR"), dejaVuSans(80, true),
                                                   QRectF(40, 24, 496, 80))});
}

} // namespace

AboutPicture::AboutPicture() : wall_(QSizeF(LogicalSize), 4051998), lettering_(aboutLettering())
{}

void AboutPicture::drawSlate(QPainter& painter) const
{
    painter.fillRect(Slate, QColor(44, 48, 46));
    // Sunk into the wall: shadow along the top and left edges, light along the bottom and right.
    painter.fillRect(QRect(Slate.left(), Slate.top(), Slate.width(), 3), QColor(22, 24, 22));
    painter.fillRect(QRect(Slate.left(), Slate.top(), 3, Slate.height()), QColor(22, 24, 22));
    painter.fillRect(QRect(Slate.left() + 3, Slate.bottom() - 1, Slate.width() - 3, 2),
                     QColor(150, 150, 142));
    painter.fillRect(QRect(Slate.right() - 1, Slate.top() + 3, 2, Slate.height() - 3),
                     QColor(150, 150, 142));
    // The game's words are engraved over the slate when the box opens, in the player's
    // language; the picture has only the rule under the title.
    painter.fillRect(AboutWords::TitleRule, QColor(110, 128, 30));
}

// Three by three cells of a game in progress: the open column is white and the computer has
// picked its cell in red.
void AboutPicture::drawBoardCorner(QPainter& painter) const
{
    static const std::array<const char*, 9> Values{"7", "3", "5", "1", "9", "4", "8", "2", "6"};
    const QRect frame = BoardCorner.adjusted(-5, -5, 5, 5);
    painter.fillRect(frame, ButtonShade);
    painter.fillRect(frame.adjusted(0, 0, -2, -2), ButtonLight);
    painter.fillRect(frame.adjusted(2, 2, -2, -2), ButtonFace);
    painter.setFont(dejaVuSans(14, true));
    for (int i = 0; i < 9; ++i) {
        const int row = i / 3;
        const int col = i % 3;
        const QRect cell(BoardCorner.left() + col * (BoardCell + BoardGap),
                         BoardCorner.top() + row * (BoardCell + BoardGap), BoardCell, BoardCell);
        QColor back = ButtonFace;
        if (col == 1)
            back = row == 2 ? QColor(255, 0, 0) : QColor(255, 255, 255);
        painter.fillRect(cell, back);
        painter.setPen(ButtonDark);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.drawText(cell, Qt::AlignCenter, QString::fromLatin1(Values[std::size_t(i)]));
    }
}

// A raised push button in the classic style, lit from the top left.
void AboutPicture::drawButton(QPainter& painter, const QRect& place, const QString& caption) const
{
    const QRect r = place;
    painter.fillRect(r, ButtonDark);
    painter.fillRect(r.adjusted(0, 0, -1, -1), ButtonLight);
    painter.fillRect(r.adjusted(1, 1, -1, -1), ButtonShade);
    painter.fillRect(r.adjusted(1, 1, -2, -2), ButtonSoftLight);
    painter.fillRect(r.adjusted(2, 2, -2, -2), ButtonFace);
    painter.setPen(ButtonDark);
    painter.setFont(dejaVuSans(11));
    painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}

QImage AboutPicture::draw(int scale) const
{
    QImage picture = wall_.draw(scale);
    lettering_.paintOnto(picture, scale);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    drawSlate(painter);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawBoardCorner(painter);
    drawButton(painter, OkButton, QStringLiteral("OK"));
    drawButton(painter, SysInfoButton, QStringLiteral("&System Info..."));
    return picture;
}

} // namespace artwork
