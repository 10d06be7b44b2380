// The game in the player's language: which of the desktop's languages it takes, catalogues
// that are whole and keep the English texts' placeholders, English whenever a catalogue
// fails, the stored texts kept out of every file in plain, and - through a pseudo-language
// that marks every text it is asked for - no text that the player meets without a lookup.
#include "Languages.h"
#include "Seams.h"
#include "platform/screenreader/Notice.h"
#include "platform/system/Language.h"
#include "rules/standins/MsgBoxStyle.h"
#include "ui/About.h"
#include "ui/Dravik.h"
#include "ui/StoredTexts.h"
#include "ui/Vibor.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString Sources = QStringLiteral(BLINZOR_SOURCE_DIR "/translations");
const QString Catalogues = QStringLiteral(BLINZOR_CATALOGUE_FOLDER);

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    bool finished = false;
};

QList<Message> messagesOf(const QString& ts)
{
    QFile file(ts);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}, false});
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            messages.last().comment = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

// What must come through a translation unchanged: the placeholders and the line feeds.
QStringList fixedParts(const QString& text)
{
    static const QRegularExpression slot(QStringLiteral("%[1-9]|\\n"));
    QStringList found;
    for (const QRegularExpressionMatch& m : slot.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// Every text of the game's sources comes back in brackets and two fifths longer, so that a
// text the player meets without brackets was never looked up. The toolkit's buttons count
// as looked up when asked of the toolkit's catalogue.
class PseudoLanguage : public QTranslator
{
public:
    PseudoLanguage()
    {
        for (const Message& m : messagesOf(Sources + QStringLiteral("/blinzor_de.ts")))
            known_.insert(m.context + QLatin1Char('|') + m.source);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        const bool toolkit = qstrcmp(context, "QPlatformTheme") == 0;
        if (!toolkit && !known_.contains(QString::fromUtf8(context) + QLatin1Char('|') + text))
            return {};
        return QLatin1Char('[') + text + QString(text.size() * 2 / 5, u'~') + QLatin1Char(']');
    }

private:
    QSet<QString> known_;
};

// Every text a window shows or tells a screen reader.
QStringList textsOf(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : std::as_const(widgets)) {
        texts << w->accessibleName() << w->accessibleDescription();
        if (const auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (const auto* frame = qobject_cast<QGroupBox*>(w))
            texts << frame->title();
        if (QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(w))
            texts << heard->text(QAccessible::Description);
    }
    for (const QAction* action : window->findChildren<QAction*>())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

// Numbers, and the game's own name, are the same in every language.
bool needsNoLookUp(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^(\\d*|BLINZOR|Blinzor)$"));
    return plain.match(text).hasMatch();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stored texts as the English game shows them.
QStringList storedTextsInEnglish()
{
    QStringList texts{StoredTexts::shown(StoredTexts::endingQuestion),
                      StoredTexts::shown(StoredTexts::remarkTitle)};
    for (const QLatin1StringView remark : StoredTexts::remarks)
        texts << StoredTexts::shown(remark);
    return texts;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void takesTheFirstLanguageItSpeaks_data();
    void takesTheFirstLanguageItSpeaks();
    void catalogueIsWhole_data();
    void catalogueIsWhole();
    void storedTextsAreInNoFileInPlain();
    void failedCatalogueGivesEnglish_data();
    void failedCatalogueGivesEnglish();
    void everyTextIsLookedUp();
};

void TestLanguage::takesTheFirstLanguageItSpeaks_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    const QStringList none;
    QTest::newRow("German of Germany") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("a locale name") << QStringList{"de_AT.UTF-8@euro"} << "de";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal") << QStringList{"pt-PT", "pt"} << "";
    QTest::newRow("past an unknown one") << QStringList{"xx-YY", "fr-FR"} << "fr";
    QTest::newRow("past an empty one") << QStringList{"", "uk"} << "uk";
    QTest::newRow("English first") << QStringList{"en-GB", "de"} << "";
    QTest::newRow("the C locale") << QStringList{"C"} << "";
    QTest::newRow("nothing said") << none << "";
}

void TestLanguage::takesTheFirstLanguageItSpeaks()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(platform::chosenLanguage(preferred, GameLanguages), chosen);
}

void TestLanguage::catalogueIsWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : GameLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

// Every message translated, with the English text's placeholders and line feeds, and the
// compiled catalogue takes: the game then speaks the language.
void TestLanguage::catalogueIsWhole()
{
    QFETCH(QString, language);
    const QList<Message> messages =
        messagesOf(Sources + QStringLiteral("/blinzor_%1.ts").arg(language));
    QVERIFY(!messages.isEmpty());
    QStringList faults;
    for (const Message& m : messages) {
        if (!m.finished || m.translation.isEmpty())
            faults << m.context + QStringLiteral(": unfinished: ") + m.source;
        else if (fixedParts(m.translation) != fixedParts(m.source))
            faults << m.context + QStringLiteral(": placeholders differ: ") + m.translation;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    qInfo("%s: %lld messages, none unfinished", qPrintable(language), qlonglong(messages.size()));
    QVERIFY(platform::speakLanguage(language, Catalogues));
    QVERIFY(Dravik::tr("Game") != QLatin1String("Game"));
    platform::speakEnglish();
    QCOMPARE(Dravik::tr("Game"), QStringLiteral("Game"));
}

// The stored texts are kept scrambled so that nobody reads them off the program's files:
// neither the program nor a catalogue holds one in plain, in any encoding Qt writes.
void TestLanguage::storedTextsAreInNoFileInPlain()
{
    QStringList files{QStringLiteral(BLINZOR_PROGRAM)};
    for (const QString& language : GameLanguages)
        files << Catalogues + QStringLiteral("/blinzor_%1.qm").arg(language);
    for (const QString& path : std::as_const(files)) {
        const QByteArray bytes = contents(path);
        QVERIFY2(!bytes.isEmpty(), qPrintable(path));
        for (const QString& text : storedTextsInEnglish()) {
            const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
            QByteArray utf16be = utf16;
            for (qsizetype i = 0; i + 1 < utf16be.size(); i += 2)
                std::swap(utf16be[i], utf16be[i + 1]);
            for (const QByteArray& form : {text.toUtf8(), utf16, utf16be})
                QVERIFY2(!bytes.contains(form), qPrintable(path + QStringLiteral(": ") + text));
        }
    }
}

void TestLanguage::failedCatalogueGivesEnglish_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    const QByteArray whole = contents(Catalogues + QStringLiteral("/blinzor_de.qm"));
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("cut in half") << whole.left(whole.size() / 2);
    QTest::newRow("not a catalogue") << QByteArray(4096, '\x5a');
    // Whole, but the toolkit has no catalogue for the language: its buttons would be English.
    QTest::newRow("no toolkit catalogue") << whole;
}

// A catalogue that cannot be used, the game's or the toolkit's, leaves the game wholly in
// English, never half translated.
void TestLanguage::failedCatalogueGivesEnglish()
{
    QFETCH(QByteArray, catalogue);
    QTemporaryDir folder;
    if (!catalogue.isNull()) {
        QFile file(folder.filePath(QStringLiteral("blinzor_xx.qm")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(catalogue);
    }
    QVERIFY(!platform::speakLanguage(QStringLiteral("xx"), folder.path()));
    Dravik w;
    QCOMPARE(w.mGame->title(), QStringLiteral("Game"));
    QCOMPARE(platform::toolkitWord("&Yes"), QStringLiteral("&Yes"));
}

void TestLanguage::everyTextIsLookedUp()
{
    PseudoLanguage pseudo;
    QCoreApplication::installTranslator(&pseudo);
    QStringList texts;
    {
        MsgBoxRecorder boxes(rules::vbNo);
        ScriptedRnd rnd;
        Dravik w;
        w.m1vs1_Click(); // no board yet: a box asks for one
        w.ob[0]->setChecked(true);
        for (int i = 0; i < 2 * 25 + 1; ++i)
            rnd.push(0.0f);
        w.m1vs1_Click();
        w.kK_Click(0);
        for (int tick = 0; tick < 20; ++tick)
            w.TimerTime_Timer(); // the clock takes a point, and says so
        texts << w.notice->news();
        for (int game = 0; game < 3; ++game)
            w.GameOver();
        w.mExit_Click();
        texts << textsOf(&w);
        rnd.push(0.5f);
        {
            Vibor strength(&w);
            texts << textsOf(&strength);
            strength.kOK_Click();
        }
        About about(&w);
        texts << textsOf(&about);
        for (const MsgBoxCall& box : std::as_const(boxes.calls))
            texts << box.prompt << box.title;
    }
    QCoreApplication::removeTranslator(&pseudo);
    QStringList plain;
    for (const QString& text : std::as_const(texts))
        if (!needsNoLookUp(text) && !text.startsWith(QLatin1Char('[')))
            plain << text;
    plain.removeDuplicates();
    QVERIFY2(plain.isEmpty(),
             qPrintable(QStringLiteral("never looked up: ") + plain.join(QStringLiteral(" | "))));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
