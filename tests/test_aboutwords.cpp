// The About box's words: engraved where the slate leaves room for them at either density,
// and short enough for the slate in every language.
#include "Languages.h"
#include "ui/AboutWords.h"

#include <QTest>
#include <QTranslator>
#include <algorithm>

// A catalogue made up in the test: one text replaced, the rest English.
struct OneText : QTranslator
{
    QByteArray english;
    QString translated;
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return english == source ? translated : QString();
    }
};

class TestAboutWords : public QObject
{
    Q_OBJECT

private slots:
    // Each line stands where the words always stood, at double density as at the ordinary
    // one: the first row of every line's ink from the title down to the credit, and the left
    // margin, in logical pixels.
    void linesStandInTheirPlaces_data()
    {
        QTest::addColumn<qreal>("density");
        QTest::newRow("ordinary") << 1.0;
        QTest::newRow("double") << 2.0;
    }
    void linesStandInTheirPlaces()
    {
        QFETCH(qreal, density);
        QPixmap black(QSize(576, 432) * density);
        black.fill(Qt::black);
        black.setDevicePixelRatio(density);
        const QImage engraved = AboutWords().engravedOnto(black).toImage();
        QList<int> tops;
        int left = engraved.width();
        for (int y = 0, above = 0; y < engraved.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(engraved.constScanLine(y));
            const auto* end = row + engraved.width();
            const int ink = int(std::find_if(row, end, [](QRgb p) { return qGray(p) != 0; }) - row);
            if (ink < engraved.width() && !above)
                tops << int(y / density);
            above = ink < engraved.width();
            left = std::min(left, ink);
        }
        const QList<int> expected{156, 216, 243, 264, 285, 306, 327, 376};
        QVERIFY2(tops.size() == expected.size() &&
                     std::equal(tops.begin(), tops.end(), expected.begin(),
                                [](int a, int b) { return std::abs(a - b) <= 1; }),
                 qPrintable(QDebug::toString(tops)));
        QVERIFY2(std::abs(left / density - 49) <= 1, qPrintable(QString::number(left)));
    }

    // Every language's catalogue, and English, keeps each line within its room; a made-up
    // line too long is named, alone, and screen readers hear it too.
    void linesFitTheSlate_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QByteArray>("english"); // made up: this text...
        QTest::addColumn<QString>("translated"); // ...given as this
        QTest::addColumn<int>("overflows");
        QTest::newRow("en") << QString() << QByteArray() << QString() << 0;
        for (const QString& language : GameLanguages)
            QTest::newRow(qPrintable(language))
                << QStringLiteral(BLINZOR_CATALOGUE_FOLDER "/blinzor_%1.qm").arg(language)
                << QByteArray() << QString() << 0;
        const QByteArray rule = "Take a number from the line that is open to you:";
        const QString none;
        QTest::newRow("title into the version")
            << none << QByteArray("Blinzor") << "Blinzor Blinzor" << 1;
        QTest::newRow("long version") << none << QByteArray("Version %1")
                                      << "Version %1 of the game, in its new edition" << 1;
        QTest::newRow("long rules line")
            << none << rule << QString::fromLatin1(rule + " " + rule) << 1;
    }
    void linesFitTheSlate()
    {
        QFETCH(QString, catalogue);
        QTranslator translator; // leaves the application's list when it goes
        QVERIFY(catalogue.isEmpty() || translator.load(catalogue));
        QCoreApplication::installTranslator(&translator);
        OneText madeUp;
        QFETCH(QByteArray, english);
        QFETCH(QString, translated);
        QFETCH(int, overflows);
        madeUp.english = english;
        madeUp.translated = translated;
        QCoreApplication::installTranslator(&madeUp);
        const AboutWords words;
        const QStringList overflowing = words.overflowing();
        QVERIFY2(
            overflowing.size() == overflows,
            qPrintable(QLatin1String(QTest::currentDataTag()) + ": " + overflowing.join(", ")));
        const QString shown = translated.arg(QLatin1String(BLINZOR_VERSION));
        QVERIFY(overflows == 0 || overflowing[0].startsWith('"' + shown + '"'));
        QVERIFY2(words.spoken().contains(shown), qPrintable(words.spoken()));
    }
};

QTEST_MAIN(TestAboutWords)
#include "test_aboutwords.moc"
