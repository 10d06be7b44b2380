#include "ui/AboutWords.h"

#include "platform/drawing/DejaVuSans.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>

using platform::dejaVuSans;

namespace {

//: The game's name, large at the top of the About box's slate.
constexpr const char* Title = QT_TRANSLATE_NOOP("About", "Blinzor");
//: Beside the game's name; %1 is the version number, such as 3.00.
constexpr const char* Version = QT_TRANSLATE_NOOP("About", "Version %1");
//: Heading of the rules on the About box.
constexpr const char* RulesHeading = QT_TRANSLATE_NOOP("About", "How to play");
// One text over five lines of the slate, each line at most as wide as the slate's room.
constexpr std::array<const char*, 5> Rules{
    //: Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as
    //: the English, which fills the slate's width.
    QT_TRANSLATE_NOOP("About", "Take a number from the line that is open to you:"),
    //: Rules line 2 of 5.
    QT_TRANSLATE_NOOP("About", "the first player takes from a column, the second from a row."),
    //: Rules line 3 of 5.
    QT_TRANSLATE_NOOP("About", "The line through your number opens for your opponent."),
    //: Rules line 4 of 5.
    QT_TRANSLATE_NOOP("About", "When the open line is empty the game ends: the higher"),
    //: Rules line 5 of 5.
    QT_TRANSLATE_NOOP("About", "score wins it, and three won games win the match."),
};
//: The credit at the foot of the About box's slate.
constexpr const char* Credit = QT_TRANSLATE_NOOP("About", "The Blinzor developers");

const QColor Lime(206, 232, 70);
const QColor Chalk(218, 218, 206);
const QColor Faded(170, 170, 160);
// A dark copy above and left of the letters makes them sit cut into the slate.
const QColor Engraved(12, 14, 12);

constexpr int Left = AboutWords::Slate.left() + AboutWords::Margin;
constexpr int Right = AboutWords::Slate.left() + AboutWords::Slate.width() - AboutWords::Margin;
constexpr int VersionLeft = Left + 150;
constexpr int RulesTop = 122;
constexpr int RulesSpacing = 21;

QString translated(const char* english)
{
    return QCoreApplication::translate("About", english);
}

} // namespace

AboutWords::AboutWords()
    : title_(translated(Title)), version_(translated(Version).arg(QLatin1String(BLINZOR_VERSION))),
      heading_(translated(RulesHeading)), credit_(translated(Credit))
{
    platform::addDejaVuSansIfMissing();
    for (const char* line : Rules)
        rules_ << translated(line);
    const int top = Slate.top();
    // The title ends before the version's engraved shadow begins.
    lines_.push_back({title_, dejaVuSans(30, true), {Left, top + 48}, Lime, VersionLeft - 1});
    lines_.push_back({version_, dejaVuSans(14), {VersionLeft, top + 47}, Chalk, Right});
    lines_.push_back({heading_, dejaVuSans(14, true), {Left, top + 96}, Lime, Right});
    for (int i = 0; i < rules_.size(); ++i)
        lines_.push_back(
            {rules_[i], dejaVuSans(13), {Left, top + RulesTop + i * RulesSpacing}, Chalk, Right});
    lines_.push_back(
        {credit_, dejaVuSans(12, false, true), {Left, Slate.bottom() - 20}, Faded, Right});
}

QPixmap AboutWords::engravedOnto(const QPixmap& picture) const
{
    // Drawn into an image as the artwork is, so the words come out the same to the pixel
    // whatever kind of pixmap the windowing system keeps.
    const qreal ratio = picture.devicePixelRatio();
    QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    engrave(image, ratio);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

void AboutWords::engrave(QImage& picture, qreal scale) const
{
    QPainter painter(&picture);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Line& line : lines_) {
        painter.setFont(line.font);
        painter.setPen(Engraved);
        painter.drawText(line.baseline - QPoint(1, 1), line.text);
        painter.setPen(line.colour);
        painter.drawText(line.baseline, line.text);
    }
}

QStringList AboutWords::overflowing() const
{
    QStringList overflows;
    for (const Line& line : lines_) {
        const int width = int(std::ceil(QFontMetricsF(line.font).horizontalAdvance(line.text)));
        const int room = line.rightEdge - line.baseline.x();
        if (width > room)
            overflows << QStringLiteral("\"%1\" (%2 > %3)").arg(line.text).arg(width).arg(room);
    }
    return overflows;
}

QString AboutWords::spoken() const
{
    return QStringLiteral("%1 %2. %3: %4 %5.")
        .arg(title_, version_, heading_, rules_.join(QLatin1Char(' ')), credit_);
}
