#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <vector>

// The words on the About box's slate: the title, the version, how to play and the credit.
// The picture leaves the slate bare and the box engraves the words when it opens, in the
// player's language, exactly where and as the English ones were always drawn.
class AboutWords
{
public:
    // The slate sunk into the wall, and the margin the words keep inside it on both sides.
    static constexpr QRect Slate{28, 132, 436, 276};
    static constexpr int Margin = 22;
    // The thin line that underlines the title and the version.
    static constexpr QRect TitleRule{Slate.left() + Margin, Slate.top() + 62,
                                     Slate.width() - 2 * Margin, 1};

    // The words as the installed translator gives them; English without one.
    AboutWords();

    // A copy of the picture, ordinary or dense, with the words engraved at its density.
    QPixmap engravedOnto(const QPixmap& picture) const;

    // The words that run past their room, each as "text (width > room)"; none in English.
    QStringList overflowing() const;

    // The words as sentences, for screen readers: the rules run on over the slate's lines.
    QString spoken() const;

private:
    struct Line
    {
        QString text;
        QFont font;
        QPoint baseline;
        QColor colour;
        int rightEdge; // where the room for the line ends
    };

    void engrave(QImage& picture, qreal scale) const;

    QString title_;
    QString version_;
    QString heading_;
    QStringList rules_;
    QString credit_;
    std::vector<Line> lines_;
};
