// The game as a desktop installs it: `cmake --install` into a scratch prefix, the files it
// lays down, what they say of one another, the desktop's own validators on them, and the
// installed program's answers on the command line.
#include "Languages.h"
#include "platform/system/Language.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <unistd.h>

namespace {

const QString AppId = QStringLiteral(BLINZOR_APP_ID);
const QString GamesDir = QStringLiteral(BLINZOR_INSTALL_GAMESDIR);
const QString DataDir = QStringLiteral(BLINZOR_INSTALL_DATADIR);
const QString Program = GamesDir + QStringLiteral("/blinzor");

QString desktopEntryPath()
{
    return DataDir + QStringLiteral("/applications/") + AppId + QStringLiteral(".desktop");
}

QString metainfoPath()
{
    return DataDir + QStringLiteral("/metainfo/") + AppId + QStringLiteral(".metainfo.xml");
}

QString themeIconPath(const QString& size, const QString& extension)
{
    return DataDir + QStringLiteral("/icons/hicolor/%1/apps/%2.%3").arg(size, AppId, extension);
}

const QList<int> ThemeIconSizes{32, 48, 64, 128, 256};

QString catalogueFolder()
{
    return DataDir + QStringLiteral("/blinzor/translations");
}

QStringList expectedFiles()
{
    QStringList files{Program,
                      desktopEntryPath(),
                      metainfoPath(),
                      themeIconPath(QStringLiteral("scalable"), QStringLiteral("svg")),
                      QStringLiteral(BLINZOR_INSTALL_MANDIR "/man6/blinzor.6.gz"),
                      QStringLiteral(BLINZOR_INSTALL_DOCDIR "/copyright"),
                      QStringLiteral(BLINZOR_INSTALL_DOCDIR "/changelog.gz")};
    for (int size : ThemeIconSizes)
        files.append(themeIconPath(QStringLiteral("%1x%1").arg(size), QStringLiteral("png")));
    for (const QString& language : GameLanguages)
        files.append(catalogueFolder() + QStringLiteral("/blinzor_%1.qm").arg(language));
    return files;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The keys of the [Desktop Entry] group.
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    bool inEntry = false;
    for (const QByteArray& raw : contents(path).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        else if (inEntry && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

struct XmlElement
{
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
};

// Every element of the file in document order, with the text directly inside it.
QList<XmlElement> xmlElements(const QString& path)
{
    QList<XmlElement> elements;
    QList<qsizetype> open;
    QXmlStreamReader xml(contents(path));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            open.append(elements.size());
            elements.append({xml.name().toString(), xml.attributes(), QString()});
        } else if (xml.isEndElement()) {
            open.removeLast();
        } else if (xml.isCharacters() && !open.isEmpty()) {
            elements[open.last()].text += xml.text().toString().trimmed();
        }
    }
    return xml.hasError() ? QList<XmlElement>() : elements;
}

// How many elements of that name are in that language; an empty one is the English text.
qsizetype countIn(const QList<XmlElement>& elements, const QString& name, const QString& language)
{
    return std::count_if(elements.begin(), elements.end(), [&](const XmlElement& e) {
        return e.name == name && e.attributes.value(QStringLiteral("xml:lang")) == language;
    });
}

const XmlElement* firstNamed(const QList<XmlElement>& elements, const QString& name)
{
    for (const XmlElement& e : elements)
        if (e.name == name)
            return &e;
    return nullptr;
}

struct Run
{
    int exitCode = -1;
    QString standardOutput;
    QString standardError;
    QString output; // both, for the messages of a failure
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    return {process.exitCode(), out, err, out + err};
}

// The environment of a session with no display: the game has none to open.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QLatin1String(name));
    return bare;
}

QStringList linesContaining(const QString& output, const QStringList& marks)
{
    QStringList found;
    for (const QString& line : output.split(QLatin1Char('\n')))
        for (const QString& mark : marks)
            if (line.contains(mark))
                found.append(line);
    return found;
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // The install tree
    void installsEveryFileUnderThePrefix_data();
    void installsEveryFileUnderThePrefix();
    void installsNothingElse();
    void installedProgramFindsItsCatalogues();
    void themeIconsHaveTheSizeOfTheirFolder_data();
    void themeIconsHaveTheSizeOfTheirFolder();

    // What the files say of one another
    void desktopEntryLaunchesTheInstalledProgramWithItsIcon();
    void metainfoDescribesTheSameApplication();

    // Every language the game speaks
    void menuEntrySpeaksEveryLanguage();
    void metainfoSpeaksEveryLanguage();
    void metainfoListsEveryLanguage();

    // The desktop's validators
    void desktopEntryPassesDesktopFileValidate();
    void metainfoPassesAppstreamValidation();

    // The command line
    void helpAndVersionNeedNoDisplay();
    void otherArgumentsLeaveTheGameOpen();
    void noDisplayIsOneLineAndStatusOne_data();
    void noDisplayIsOneLineAndStatusOne();
    void unwrittenAnswerFails();

private:
    QString installed(const QString& relative) const { return prefix_.filePath(relative); }

    QTemporaryDir prefix_;
};

void TestDesktop::initTestCase()
{
    QVERIFY(prefix_.isValid());
    const Run install = run(QStringLiteral(BLINZOR_CMAKE),
                            {QStringLiteral("--install"), QStringLiteral(BLINZOR_BUILD_DIR),
                             QStringLiteral("--prefix"), prefix_.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
}

void TestDesktop::installsEveryFileUnderThePrefix_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : expectedFiles())
        QTest::newRow(qPrintable(path)) << path;
}

void TestDesktop::installsEveryFileUnderThePrefix()
{
    QFETCH(QString, path);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path + QStringLiteral(" is missing")));
    QVERIFY(file.size() > 0);
    if (path == Program)
        QVERIFY(file.isExecutable());
}

// Nothing of the build (libraries, tests, the artwork generator) leaks into the install.
void TestDesktop::installsNothingElse()
{
    QStringList files;
    QDirIterator it(prefix_.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(prefix_.path()).relativeFilePath(it.next()));
    QStringList expected = expectedFiles();
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);
}

// The program looks for its catalogues from where it lies; they must be installed there.
void TestDesktop::installedProgramFindsItsCatalogues()
{
    const QString programFolder = QFileInfo(installed(Program)).path();
    QStringList found;
    for (const QString& folder : platform::gameCatalogueFolders(programFolder))
        found += QDir(folder).entryList({QStringLiteral("blinzor_*.qm")});
    QCOMPARE(found.size(), GameLanguages.size());
}

void TestDesktop::themeIconsHaveTheSizeOfTheirFolder_data()
{
    QTest::addColumn<int>("size");
    for (int size : ThemeIconSizes)
        QTest::addRow("%dpx", size) << size;
}

void TestDesktop::themeIconsHaveTheSizeOfTheirFolder()
{
    QFETCH(int, size);
    const QImage icon(
        installed(themeIconPath(QStringLiteral("%1x%1").arg(size), QStringLiteral("png"))));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // The corners are cut round: see-through there, solid in the middle.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

void TestDesktop::desktopEntryLaunchesTheInstalledProgramWithItsIcon()
{
    const QMap<QString, QString> entry = desktopEntry(installed(desktopEntryPath()));
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Blinzor"));
    QVERIFY(!entry.value(QStringLiteral("Comment")).isEmpty());
    QVERIFY(!entry.value(QStringLiteral("Keywords")).isEmpty());
    QCOMPARE(entry.value(QStringLiteral("Categories")), QStringLiteral("Game;BoardGame;"));
    // The program by its full path under the prefix it was installed into, which need not be
    // on the PATH.
    QCOMPARE(entry.value(QStringLiteral("Exec")), installed(Program));
    QCOMPARE(entry.value(QStringLiteral("TryExec")), installed(Program));
    // The icon is named, not given by path, so the theme picks the size.
    QCOMPARE(entry.value(QStringLiteral("Icon")), AppId);
    // The window reports this class, which lets the desktop tie it to the entry.
    QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), QStringLiteral("Blinzor"));
}

void TestDesktop::metainfoDescribesTheSameApplication()
{
    const QList<XmlElement> info = xmlElements(installed(metainfoPath()));
    QVERIFY2(!info.isEmpty(), "the metainfo file is missing or not well-formed XML");
    QCOMPARE(info.first().name, QStringLiteral("component"));
    QCOMPARE(info.first().attributes.value(QStringLiteral("type")).toString(),
             QStringLiteral("desktop-application"));

    auto textOf = [&info](const QString& name) {
        const XmlElement* e = firstNamed(info, name);
        return e ? e->text : QString();
    };
    QCOMPARE(textOf(QStringLiteral("id")), AppId);
    QCOMPARE(textOf(QStringLiteral("name")), QStringLiteral("Blinzor"));
    QVERIFY(!textOf(QStringLiteral("summary")).isEmpty());
    QVERIFY(firstNamed(info, QStringLiteral("description")) != nullptr);
    QCOMPARE(textOf(QStringLiteral("launchable")), AppId + QStringLiteral(".desktop"));
    QCOMPARE(textOf(QStringLiteral("binary")), QStringLiteral("blinzor"));
    QVERIFY(textOf(QStringLiteral("image")).startsWith(QStringLiteral("https://")));

    const XmlElement* rating = firstNamed(info, QStringLiteral("content_rating"));
    QVERIFY(rating);
    QVERIFY(rating->attributes.value(QStringLiteral("type")).startsWith(QStringLiteral("oars-")));
    const XmlElement* release = firstNamed(info, QStringLiteral("release"));
    QVERIFY(release);
    QCOMPARE(release->attributes.value(QStringLiteral("version")).toString(),
             QStringLiteral(BLINZOR_VERSION));
}

// The menu shows the game's line and finds it by its keywords in the player's language.
void TestDesktop::menuEntrySpeaksEveryLanguage()
{
    const QMap<QString, QString> entry = desktopEntry(installed(desktopEntryPath()));
    for (const QString& language : GameLanguages)
        for (const QString key : {"GenericName", "Comment", "Keywords"}) {
            const QString name = key + '[' + language + ']';
            const QString translated = entry.value(name);
            QVERIFY2(!translated.isEmpty() && translated != entry.value(key), qPrintable(name));
        }
}

// Every paragraph, item and caption that software centres show has each language's version.
void TestDesktop::metainfoSpeaksEveryLanguage()
{
    const QList<XmlElement> info = xmlElements(installed(metainfoPath()));
    for (const QString& language : GameLanguages)
        for (const QString name : {"summary", "p", "li", "caption"})
            QVERIFY2(countIn(info, name, language) == countIn(info, name, QString()),
                     qPrintable(name + ' ' + language));
}

void TestDesktop::metainfoListsEveryLanguage()
{
    QStringList listed;
    for (const XmlElement& e : xmlElements(installed(metainfoPath())))
        if (e.name == QStringLiteral("lang"))
            listed.append(e.text);
    QStringList languages = GameLanguages;
    languages.sort();
    listed.sort();
    QCOMPARE(listed, languages);
}

void TestDesktop::desktopEntryPassesDesktopFileValidate()
{
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian: desktop-file-utils)");
    const Run check = run(validator, {installed(desktopEntryPath())});
    // It reports some faults as "error:" lines yet exits 0 for them.
    const QStringList errors = linesContaining(check.output, {QStringLiteral("error:")});
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
}

void TestDesktop::metainfoPassesAppstreamValidation()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed (Debian: appstream)");
    const Run check = run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                      installed(metainfoPath())});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
    // Errors and warnings fail; pedantic remarks (such as the capitals in the id) do not.
    const QStringList faults =
        linesContaining(check.output, {QStringLiteral("E: "), QStringLiteral("W: ")});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Answered before the toolkit starts: no display, no platform plugin asked for. Both go to
// standard output, where `blinzor --help | less` finds them; nothing goes to the errors.
void TestDesktop::helpAndVersionNeedNoDisplay()
{
    const QProcessEnvironment bare = withoutDisplay();
    const Run version = run(installed(Program), {QStringLiteral("--version")}, bare);
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.standardOutput, QStringLiteral("Blinzor " BLINZOR_VERSION "\n"));
    QCOMPARE(version.standardError, QString());
    const Run help = run(installed(Program), {QStringLiteral("--help")}, bare);
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.standardOutput.startsWith(QStringLiteral("Usage: blinzor ")),
             qPrintable(help.output));
    QCOMPARE(help.standardError, QString());
}

// The toolkit's options and anything else neither end the game nor keep it from opening.
void TestDesktop::otherArgumentsLeaveTheGameOpen()
{
    QProcess game;
    game.setProcessChannelMode(QProcess::MergedChannels);
    game.start(installed(Program), {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                    QStringLiteral("-style"), QStringLiteral("fusion"),
                                    QStringLiteral("--frobnicate"), QStringLiteral("saved.game")});
    QVERIFY(game.waitForStarted());
    const bool ended = game.waitForFinished(2000);
    game.kill();
    game.waitForFinished();
    QVERIFY2(!ended, qPrintable(QString::fromLocal8Bit(game.readAll())));
}

void TestDesktop::noDisplayIsOneLineAndStatusOne_data()
{
    QTest::addColumn<QString>("settings"); // NAME=value words, over a session with no display
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("tried");
    QTest::newRow("DISPLAY") << "DISPLAY=:987" << QStringList() << "display \":987\"";
    QTest::newRow("-display") << "DISPLAY=:987" << QStringList{"-display", ":986"}
                              << "display \":986\"";
    QTest::newRow("none") << "" << QStringList() << "a display: DISPLAY is not set";
    QTest::newRow("Wayland") << "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=w-0 XDG_RUNTIME_DIR=/r"
                             << QStringList() << "display \"/r/w-0\"";
}

// Not the toolkit's abort and its core dump: one line saying which display, and status 1.
void TestDesktop::noDisplayIsOneLineAndStatusOne()
{
    QFETCH(QString, settings);
    QFETCH(QStringList, arguments);
    QFETCH(QString, tried);
    QProcessEnvironment environment = withoutDisplay();
    for (const QString& setting : settings.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section('=', 1));
    const Run game = run(installed(Program), arguments, environment);
    QCOMPARE(game.exitCode, 1); // -1 when it crashed
    QCOMPARE(game.standardError, "blinzor: cannot open " + tried + "\n");
}

// A --help or --version whose answer is lost fails, as any command's would.
void TestDesktop::unwrittenAnswerFails()
{
    for (const char* option : {"--help", "--version"})
        for (const QString& output : {QStringLiteral("/dev/full"), QString()}) { // empty: closed
            QProcess process;
            if (output.isEmpty())
                process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
            process.setStandardOutputFile(output.isEmpty() ? QProcess::nullDevice() : output);
            process.start(installed(Program), {QLatin1String(option)});
            QVERIFY(process.waitForFinished(60000));
            QVERIFY2(process.exitCode() == 1, option);
        }
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
