#include "rules/Transl.h"
#include "ui/Dravik.h"
#include "ui/StoredTexts.h"
#include "ui/Vibor.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Unscrambling, and the texts the program keeps scrambled.
class TestTransl : public QObject
{
    Q_OBJECT

private slots:
    void unscramblesCharacterByCharacter_data();
    void unscramblesCharacterByCharacter();
    void bothWindowsShowTheSameText();

    void storedTextsReadAsEnglish_data();
    void storedTextsReadAsEnglish();
    void endingQuestionAsksAQuestion();
    void remarksAreAllDifferent();
    void storedFormsGiveNoWordAway();

private:
    static QString shown(QLatin1StringView stored);
    static QList<QLatin1StringView> allStoredTexts();
};

QString TestTransl::shown(QLatin1StringView stored)
{
    return QString::fromStdU32String(unscramble(QString(stored).toStdU32String()));
}

QList<QLatin1StringView> TestTransl::allStoredTexts()
{
    QList<QLatin1StringView> texts{StoredTexts::endingQuestion, StoredTexts::remarkTitle};
    for (QLatin1StringView remark : StoredTexts::remarks)
        texts.append(remark);
    return texts;
}

void TestTransl::unscramblesCharacterByCharacter_data()
{
    using namespace std::string_literals;
    QTest::addColumn<std::u32string>("scrambled");
    QTest::addColumn<std::u32string>("expected");

    QTest::newRow("empty") << U""s << U""s;
    QTest::newRow("letters") << U"abc"s << U"efg"s;
    QTest::newRow("blank") << U" "s << U"$"s;
    QTest::newRow("digit") << U"0"s << U"4"s;
    QTest::newRow("lowest codes") << U"\0\1\2\3"s << U"\4\5\6\7"s;
    // Latin-1, not ASCII: the upper half shifts like the lower one, up to the last code.
    QTest::newRow("upper half") << U"\u00e0\u00fb"s << U"\u00e4\u00ff"s;
    QTest::newRow("past the code page") << U"\u00fc\u00fd\u00fe\u00ff"s << U"????"s;
    QTest::newRow("not Latin-1") << U"a\u0416b"s << U"e?f"s;
    QTest::newRow("outside the BMP") << U"a\U0001F600b"s << U"e?f"s;
}

void TestTransl::unscramblesCharacterByCharacter()
{
    QFETCH(std::u32string, scrambled);
    QFETCH(std::u32string, expected);

    const std::u32string result = unscramble(scrambled);

    QCOMPARE(QString::fromStdU32String(result), QString::fromStdU32String(expected));
    QCOMPARE(result.size(), scrambled.size());
}

void TestTransl::bothWindowsShowTheSameText()
{
    Dravik main;
    Vibor dialog(&main);
    const QString argument = QStringLiteral("Ab 0\u00e0\u0416");
    const QString before = argument;

    const QString fromMain = main.Transl(argument);
    const QString fromDialog = dialog.Transl(argument);

    QCOMPARE(fromMain, QStringLiteral("Ef$4\u00e4?"));
    QCOMPARE(fromDialog, fromMain);
    QCOMPARE(argument, before);
}

void TestTransl::storedTextsReadAsEnglish_data()
{
    QTest::addColumn<QString>("text");
    int n = 0;
    for (QLatin1StringView stored : allStoredTexts())
        QTest::addRow("text %d", n++) << shown(stored);
}

void TestTransl::storedTextsReadAsEnglish()
{
    QFETCH(QString, text);
    // A handful of the commonest English words: every text uses at least one, which a text
    // shifted the wrong way or by the wrong amount would not.
    static const QSet<QString> common{"a",  "i",   "is",  "it",  "to",   "of",   "my",  "me",
                                      "do", "you", "the", "are", "your", "from", "and", "but"};

    QVERIFY(!text.isEmpty());
    for (QChar c : text)
        QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))), qPrintable(text));
    QVERIFY2(text.contains(QLatin1Char(' ')), qPrintable(text));
    QCOMPARE(text.trimmed(), text);
    const QStringList words =
        text.toLower().split(QRegularExpression(QStringLiteral("[^a-z']+")), Qt::SkipEmptyParts);
    QVERIFY2(std::any_of(words.begin(), words.end(),
                         [](const QString& w) { return common.contains(w); }),
             qPrintable(text));
}

void TestTransl::endingQuestionAsksAQuestion()
{
    const QString question = shown(StoredTexts::endingQuestion);
    QVERIFY2(question.endsWith(QLatin1Char('?')), qPrintable(question));
    QCOMPARE(question.count(QLatin1Char('?')), 1);
}

void TestTransl::remarksAreAllDifferent()
{
    QSet<QString> remarks;
    for (QLatin1StringView stored : StoredTexts::remarks)
        remarks.insert(shown(stored));
    QCOMPARE(remarks.size(), StoredTexts::RemarkCount);
    QVERIFY(!remarks.contains(shown(StoredTexts::remarkTitle)));
}

void TestTransl::storedFormsGiveNoWordAway()
{
    QSet<QString> words;
    for (QLatin1StringView stored : allStoredTexts()) {
        const QStringList found = shown(stored).toLower().split(
            QRegularExpression(QStringLiteral("[^a-z]+")), Qt::SkipEmptyParts);
        for (const QString& w : found) {
            if (w.size() >= 4)
                words.insert(w);
        }
    }
    QVERIFY(words.size() > 20);

    for (QLatin1StringView stored : allStoredTexts()) {
        const QString scrambled = QString(stored).toLower();
        for (const QString& w : words)
            QVERIFY2(!scrambled.contains(w), qPrintable(w));
    }
}

QTEST_MAIN(TestTransl)
#include "test_transl.moc"
