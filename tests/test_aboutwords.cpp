// The About box's words: engraved over the slate at the picture's density, told to screen
// readers, and in every language short enough to stay on the slate.
#include "ui/About.h"
#include "ui/AboutWords.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QMap>
#include <QTest>
#include <QTranslator>

namespace {

// A catalogue made up in the test: the texts it has, else the English.
class MadeUpTranslator : public QTranslator
{
public:
    explicit MadeUpTranslator(QMap<QString, QString> texts) : texts_(std::move(texts)) {}

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QLatin1String(context) != QLatin1String("About"))
            return {};
        return texts_.value(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }

private:
    QMap<QString, QString> texts_;
};

// Installed for as long as it lives.
class Installed
{
public:
    explicit Installed(QTranslator& translator) : translator_(translator)
    {
        QCoreApplication::installTranslator(&translator_);
    }
    ~Installed() { QCoreApplication::removeTranslator(&translator_); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    QTranslator& translator_;
};

// Where the words leave their mark on a black picture, in device pixels.
QRect inkOf(const AboutWords& words, qreal density)
{
    QPixmap black(QSize(576, 432) * density);
    black.fill(Qt::black);
    black.setDevicePixelRatio(density);
    const QImage engraved = words.engravedOnto(black).toImage();
    QRect ink;
    for (int y = 0; y < engraved.height(); ++y)
        for (int x = 0; x < engraved.width(); ++x)
            if ((engraved.pixel(x, y) & 0xffffff) != 0)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

const QString LongRule = QStringLiteral("Take a number from the line that is open to you:");

} // namespace

class TestAboutWords : public QObject
{
    Q_OBJECT

private slots:
    // The words keep their place on the slate at both densities: at double density the
    // same lines drawn twice as large, not the ordinary ones in a corner.
    void wordsCoverTheSlateAtEveryDensity_data()
    {
        QTest::addColumn<qreal>("density");
        QTest::newRow("ordinary") << 1.0;
        QTest::newRow("double") << 2.0;
    }
    void wordsCoverTheSlateAtEveryDensity()
    {
        QFETCH(qreal, density);
        const QRect ink = inkOf(AboutWords(), density);
        // From the engraved shadow of "Blinzor" to the foot of the credit, in logical pixels.
        const QRect logical(48, 156, 391, 234);
        const QRect expected(logical.topLeft() * density, logical.size() * density);
        const int slack = int(2 * density);
        QVERIFY2(std::abs(ink.left() - expected.left()) <= slack &&
                     std::abs(ink.top() - expected.top()) <= slack &&
                     std::abs(ink.right() - expected.right()) <= slack &&
                     std::abs(ink.bottom() - expected.bottom()) <= slack,
                 qPrintable(QStringLiteral("ink over %1,%2 %3x%4")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())));
    }

    // Every committed catalogue, and English, keeps each line within its room.
    void everyLanguageFitsTheSlate_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("en") << QString();
        const QDir folder(QStringLiteral(BLINZOR_TRANSLATIONS));
        for (const QString& file : folder.entryList({QStringLiteral("blinzor_*.qm")}))
            QTest::newRow(qPrintable(file.mid(8).chopped(3))) << folder.filePath(file);
    }
    void everyLanguageFitsTheSlate()
    {
        QFETCH(QString, catalogue);
        QTranslator translator;
        if (!catalogue.isEmpty())
            QVERIFY2(translator.load(catalogue), qPrintable(catalogue));
        const Installed installed(translator);
        const QStringList overflowing = AboutWords().overflowing();
        QVERIFY2(overflowing.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(
                                            QString::fromLatin1(QTest::currentDataTag()),
                                            overflowing.join(QStringLiteral(", ")))));
    }

    // A line too long for its room is named, and only that one.
    void aLineTooLongIsNamed_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("translated");
        QTest::addColumn<bool>("fits");
        QTest::newRow("title into the version") << "Blinzor"
                                                << "Blinzor Blinzor" << false;
        QTest::newRow("version past the margin")
            << "Version %1"
            << "Version %1 of the game, in its new edition" << false;
        QTest::newRow("rules line past the margin")
            << LongRule << LongRule + " " + LongRule << false;
        QTest::newRow("credit past the margin")
            << "The Blinzor developers"
            << "The Blinzor developers, The Blinzor developers, The Blinzor developers" << false;
        QTest::newRow("a shorter rules line") << LongRule << "Nimm eine Zahl:" << true;
    }
    void aLineTooLongIsNamed()
    {
        QFETCH(QString, english);
        QFETCH(QString, translated);
        QFETCH(bool, fits);
        MadeUpTranslator translator({{english, translated}});
        const Installed installed(translator);
        const QStringList overflowing = AboutWords().overflowing();
        if (fits) {
            QCOMPARE(overflowing, QStringList());
            return;
        }
        QCOMPARE(overflowing.size(), 1);
        QVERIFY2(overflowing[0].contains(
                     translated.replace(QStringLiteral("%1"), QStringLiteral(BLINZOR_VERSION))),
                 qPrintable(overflowing[0]));
    }

    // A screen reader hears the words in the player's language, and English without one.
    void theBoxTellsTheTranslatedWords_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("told");
        QTest::newRow("English") << QString() << "Blinzor Version 3.00. How to play: Take a";
        QTest::newRow("German") << "So wird gespielt"
                                << "Blinzor Version 3.00. So wird gespielt: Take";
    }
    void theBoxTellsTheTranslatedWords()
    {
        QFETCH(QString, heading);
        QFETCH(QString, told);
        MadeUpTranslator translator(heading.isEmpty()
                                        ? QMap<QString, QString>{}
                                        : QMap<QString, QString>{{"How to play", heading}});
        const Installed installed(translator);
        About dialog(nullptr);
        const QString description =
            QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Description);
        QVERIFY2(description.startsWith(told), qPrintable(description));
    }
};

QTEST_MAIN(TestAboutWords)
#include "test_aboutwords.moc"
