// The About box: its looks, its keys, and the search for the system-information tool
// through the registry (scripted here, so every way the search can go is covered).
#include "Layout.h"
#include "RealModal.h"
#include "Seams.h"
#include "platform/system/Launcher.h"
#include "platform/system/Registry.h"
#include "rules/standins/MsgBoxStyle.h"
#include "rules/standins/RegistryValue.h"
#include "ui/About.h"
#include "ui/Dravik.h"

#include <QAccessible>
#include <QDir>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#ifdef _WIN32
#include <windows.h>
#endif

using platform::RegistryKey;

namespace {

const QString ToolPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

std::string bytes(std::initializer_list<unsigned char> values)
{
    return std::string(values.begin(), values.end());
}

std::string terminated(const char* text)
{
    return std::string(text) + '\0';
}

// While alive, the registry holds only what the test puts in it, and every call is noted.
class ScriptedRegistry
{
public:
    struct Value
    {
        std::uint32_t type;
        std::string data;
    };

    ScriptedRegistry()
    {
        platform::replaceOpenRegistryKey([this](std::uint32_t root, const std::string& key,
                                                std::uint32_t access, RegistryKey& opened) {
            opens.append(QString::fromStdString(key));
            roots.append(root);
            accessRights.append(access);
            const auto found = keys_.find(key);
            if (root != platform::HKeyLocalMachine || found == keys_.end())
                return false;
            opened = handleOf(key);
            return true;
        });
        platform::replaceQueryRegistryValue([this](RegistryKey key, const std::string& name,
                                                   std::uint32_t& type, std::string& buffer,
                                                   std::uint32_t& size) {
            const auto& values = keys_.at(names_.at(key - FirstHandle));
            const auto found = values.find(name);
            if (found == values.end() || found->second.data.size() > size)
                return false;
            std::copy(found->second.data.begin(), found->second.data.end(), buffer.begin());
            type = found->second.type;
            size = std::uint32_t(found->second.data.size());
            return true;
        });
        platform::replaceCloseRegistryKey([this](RegistryKey key) { closes.append(key); });
    }
    ~ScriptedRegistry()
    {
        platform::replaceOpenRegistryKey({});
        platform::replaceQueryRegistryValue({});
        platform::replaceCloseRegistryKey({});
    }
    ScriptedRegistry(const ScriptedRegistry&) = delete;
    ScriptedRegistry& operator=(const ScriptedRegistry&) = delete;

    void set(const QString& key, const std::string& name, Value value)
    {
        keys_[key.toStdString()][name] = std::move(value);
    }

    RegistryKey handleOf(const std::string& key)
    {
        const auto at = std::find(names_.begin(), names_.end(), key);
        if (at != names_.end())
            return FirstHandle + RegistryKey(at - names_.begin());
        names_.push_back(key);
        return FirstHandle + names_.size() - 1;
    }

    QStringList opens;
    QList<std::uint32_t> roots;
    QList<std::uint32_t> accessRights;
    QList<RegistryKey> closes;

private:
    static constexpr RegistryKey FirstHandle = 0x100;
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::vector<std::string> names_;
};

// While alive, the file system holds only the files the test names, and programs "start"
// as the test says.
class ScriptedLauncher
{
public:
    explicit ScriptedLauncher(QStringList existing = {}, bool startsFine = true)
    {
        platform::replaceFileExists([this, existing](const QString& path) {
            fileChecks.append(path);
            return existing.contains(path);
        });
        platform::replaceStartProgram([this, startsFine](const QString& path) {
            started.append(path);
            return startsFine;
        });
    }
    ~ScriptedLauncher()
    {
        platform::replaceFileExists({});
        platform::replaceStartProgram({});
    }
    ScriptedLauncher(const ScriptedLauncher&) = delete;
    ScriptedLauncher& operator=(const ScriptedLauncher&) = delete;

    QStringList fileChecks;
    QStringList started;
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    // --- What a value's data reads as ---

    void stringTextDropsOnlyItsTerminator_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("terminated") << QByteArray("C:\\x.exe", 9) << 9 << QByteArray("C:\\x.exe");
        QTest::newRow("unterminated") << QByteArray("C:\\x.exe") << 8 << QByteArray("C:\\x.exe");
        QTest::newRow("two zeros lose one")
            << QByteArray("ab\0\0", 4) << 4 << QByteArray("ab\0", 3);
        QTest::newRow("terminator alone") << QByteArray("\0", 1) << 1 << QByteArray();
        QTest::newRow("no data") << QByteArray() << 0 << QByteArray();
    }
    void stringTextDropsOnlyItsTerminator()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, size);
        QFETCH(QByteArray, text);
        // The data sits at the front of a zero-filled buffer, as a read leaves it.
        std::string buffer(1024, '\0');
        std::copy(data.begin(), data.end(), buffer.begin());
        QCOMPARE(QByteArray::fromStdString(rules::registryStringText(buffer, std::uint32_t(size))),
                 text);
    }

    void sizeBeyondTheBufferKeepsTheBuffer()
    {
        QCOMPARE(rules::registryStringText("abc", 1024), std::string("abc"));
    }

    void numberTextKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::newRow("all digits") << QByteArray("\x4D\x3C\x2B\x1A") << "&h1A2B3C4D";
        QTest::newRow("small") << QByteArray("\x05\0\0\0", 4) << "&h00000005";
        QTest::newRow("zero bytes inside") << QByteArray("\0\x01\0\0", 4) << "&h00000100";
        QTest::newRow("largest") << QByteArray("\xFF\xFF\xFF\xFF") << "&hFFFFFFFF";
    }
    void numberTextKeepsEveryByte()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(rules::registryNumberText(data.toStdString())), text);
    }

    // --- Reading one value ---

    void readsValuesByTheirType()
    {
        ScriptedRegistry registry;
        const QString key = QStringLiteral("SOFTWARE\\Test");
        registry.set(key, "terminated", {rules::RegString, terminated("C:\\Tools\\info.exe")});
        registry.set(key, "unterminated", {rules::RegString, "C:\\Tools"});
        // A number whose top byte is zero: its data ends in 0, yet no byte may be lost.
        registry.set(key, "number", {rules::RegNumber, bytes({0x05, 0x01, 0x00, 0x00})});
        registry.set(key, "binary", {3, bytes({0x01, 0x02})});

        QString out;
        QVERIFY(About::GetKeyValue(platform::HKeyLocalMachine, key, "terminated", out));
        QCOMPARE(out, QStringLiteral("C:\\Tools\\info.exe"));
        QVERIFY(About::GetKeyValue(platform::HKeyLocalMachine, key, "unterminated", out));
        QCOMPARE(out, QStringLiteral("C:\\Tools"));
        QVERIFY(About::GetKeyValue(platform::HKeyLocalMachine, key, "number", out));
        QCOMPARE(out, QStringLiteral("&h00000105"));

        out = QStringLiteral("before");
        QVERIFY(About::GetKeyValue(platform::HKeyLocalMachine, key, "binary", out));
        QCOMPARE(out, QStringLiteral("before")); // read, but not a type it turns into text
        QCOMPARE(registry.closes.size(), 4);
    }

    void missingKeyOrValueGivesNothing()
    {
        ScriptedRegistry registry;
        registry.set(ToolPathKey, "PATH", {rules::RegString, terminated("C:\\info.exe")});

        QString out = QStringLiteral("stale");
        QVERIFY(!About::GetKeyValue(platform::HKeyLocalMachine, ToolFolderKey, "MSINFO", out));
        QVERIFY(out.isEmpty());
        QVERIFY(registry.closes.isEmpty()); // nothing was opened, so nothing is closed

        out = QStringLiteral("stale");
        QVERIFY(!About::GetKeyValue(platform::HKeyLocalMachine, ToolPathKey, "NOPE", out));
        QVERIFY(out.isEmpty());
        QCOMPARE(registry.closes, QList<RegistryKey>{registry.handleOf(ToolPathKey.toStdString())});
    }

    void keysAreOpenedForReadingOnly()
    {
        // Machine-wide keys refuse write rights to ordinary users; asking only to read
        // lets everyone find the tool.
        ScriptedRegistry registry;
        QString out;
        About::GetKeyValue(platform::HKeyLocalMachine, ToolPathKey, "PATH", out);
        QCOMPARE(registry.roots, QList<std::uint32_t>{0x80000002});
        QCOMPARE(registry.opens, QStringList{ToolPathKey});
        QCOMPARE(registry.accessRights, QList<std::uint32_t>{0x20019});
    }

#ifndef _WIN32
    // Without a registry, the tool's entry is the first system-information program on the
    // search path; the folder entry never exists.
    void withoutARegistryTheToolIsFoundOnThePath()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        auto restore = qScopeGuard([&] { qputenv("PATH", savedPath); });

        QString out;
        QVERIFY(!About::GetKeyValue(platform::HKeyLocalMachine, ToolPathKey, "PATH", out));

        for (const char* name : {"kinfocenter", "hardinfo"}) {
            QFile tool(dir.filePath(QLatin1String(name)));
            QVERIFY(tool.open(QIODevice::WriteOnly));
            tool.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        QVERIFY(About::GetKeyValue(platform::HKeyLocalMachine, ToolPathKey, "PATH", out));
        QCOMPARE(out, dir.filePath(QStringLiteral("hardinfo")));
        QVERIFY(!About::GetKeyValue(platform::HKeyLocalMachine, ToolFolderKey, "MSINFO", out));
        QVERIFY(out.isEmpty());
    }
#else
    // On Windows the values come from the system's own registry: a value written there is
    // read back as the scripted ones are. Under the user's root, which needs no rights.
    void windowsRegistryIsRead_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("text");
        const QByteArray path("C:\\Tools\\info.exe");
        QTest::newRow("string with its terminator")
            << int(REG_SZ) << path + '\0' << "value" << true << QString::fromLatin1(path);
        QTest::newRow("string without one")
            << int(REG_SZ) << path << "value" << true << QString::fromLatin1(path);
        QTest::newRow("number") << int(REG_DWORD) << QByteArray("\x05\x01\0\0", 4) << "value"
                                << true << "&h00000105";
        QTest::newRow("long") << int(REG_SZ) << QByteArray(1000, 'x') + '\0' << "value" << true
                              << QString(1000, QLatin1Char('x'));
        QTest::newRow("beyond the buffer")
            << int(REG_SZ) << QByteArray(1025, 'x') << "value" << false << QString();
        QTest::newRow("no such value") << int(REG_SZ) << path << "other" << false << QString();
    }
    void windowsRegistryIsRead()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, name);
        QFETCH(bool, read);
        QFETCH(QString, text);
        const char* keyName = "Software\\Blinzor\\Test";
        HKEY key = nullptr;
        QCOMPARE(RegCreateKeyExA(HKEY_CURRENT_USER, keyName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                 &key, nullptr),
                 LSTATUS(ERROR_SUCCESS));
        auto remove = qScopeGuard([&] {
            RegCloseKey(key);
            RegDeleteKeyA(HKEY_CURRENT_USER, keyName);
        });
        QCOMPARE(RegSetValueExA(key, "value", 0, DWORD(type),
                                reinterpret_cast<const BYTE*>(data.constData()),
                                DWORD(data.size())),
                 LSTATUS(ERROR_SUCCESS));

        QString out = QStringLiteral("stale");
        QCOMPARE(About::GetKeyValue(0x80000001, QString::fromLatin1(keyName), name, out), read);
        QCOMPARE(out, text);
        out = QStringLiteral("stale");
        QVERIFY(
            !About::GetKeyValue(0x80000001, QStringLiteral("Software\\Blinzor\\None"), name, out));
        QVERIFY(out.isEmpty());
    }
#endif

    // --- Starting the tool ---

    void firstEntryIsStartedAsItIs()
    {
        ScriptedRegistry registry;
        registry.set(ToolPathKey, "PATH", {rules::RegString, terminated("C:\\Odd Place\\si.exe")});
        registry.set(ToolFolderKey, "MSINFO", {rules::RegString, terminated("C:\\Other")});
        ScriptedLauncher launcher;
        MsgBoxRecorder boxes;
        About dialog(nullptr);
        dialog.StartSysInfo();
        QCOMPARE(launcher.started, QStringList{QStringLiteral("C:\\Odd Place\\si.exe")});
        QVERIFY(launcher.fileChecks.isEmpty());
        QCOMPARE(registry.opens, QStringList{ToolPathKey});
        QVERIFY(boxes.calls.isEmpty());
    }

    void firstEntryThatWillNotStartIsReported()
    {
        ScriptedRegistry registry;
        registry.set(ToolPathKey, "PATH", {rules::RegString, terminated("C:\\gone.exe")});
        ScriptedLauncher launcher({}, false);
        MsgBoxRecorder boxes;
        About dialog(nullptr);
        dialog.StartSysInfo();
        QCOMPARE(launcher.started, QStringList{QStringLiteral("C:\\gone.exe")});
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].prompt, Unavailable);
        QCOMPARE(boxes.calls[0].style, 0);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Blinzor"));
    }

    void folderEntryStartsTheToolInIt()
    {
        ScriptedRegistry registry;
        registry.set(ToolFolderKey, "MSINFO", {rules::RegString, terminated("C:\\Info")});
        ScriptedLauncher launcher({QStringLiteral("C:\\Info\\MSINFO32.EXE")});
        MsgBoxRecorder boxes;
        About dialog(nullptr);
        dialog.StartSysInfo();
        QCOMPARE(registry.opens, (QStringList{ToolPathKey, ToolFolderKey}));
        QCOMPARE(launcher.fileChecks, QStringList{QStringLiteral("C:\\Info\\MSINFO32.EXE")});
        QCOMPARE(launcher.started, QStringList{QStringLiteral("C:\\Info\\MSINFO32.EXE")});
        QVERIFY(boxes.calls.isEmpty());
    }

    void folderWithoutTheToolIsReported()
    {
        ScriptedRegistry registry;
        registry.set(ToolFolderKey, "MSINFO", {rules::RegString, terminated("C:\\Info")});
        ScriptedLauncher launcher;
        MsgBoxRecorder boxes;
        About dialog(nullptr);
        dialog.StartSysInfo();
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].prompt, Unavailable);
    }

    void noEntryReportsOncePerPress()
    {
        ScriptedRegistry registry;
        ScriptedLauncher launcher;
        MsgBoxRecorder boxes;
        About dialog(nullptr);
        for (int press = 1; press <= 3; ++press) {
            dialog.cmdSysInfo->click();
            QCOMPARE(boxes.calls.size(), press);
        }
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(dialog.result(), 0); // the box stays open for another try
    }

    // --- The window ---

    void windowIsAFixedPictureDialog()
    {
        Dravik owner;
        About dialog(&owner);
        QCOMPARE(dialog.objectName(), QStringLiteral("About"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Help - Blinzor"));
        QCOMPARE(dialog.size(), QSize(575, 431));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(dialog.windowType(), Qt::Dialog); // owned: no task-bar button of its own
        QVERIFY(dialog.windowIcon().isNull());
    }

    // A screen reader cannot read the picture: the dialog tells its words, the rules whole.
    void pictureWordsAreToldToScreenReaders()
    {
        About dialog(nullptr);
        const QString told =
            QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Description);
        QVERIFY(told.startsWith(QStringLiteral("Blinzor Version 3.00. How to play: ")));
        QVERIFY(told.contains(QStringLiteral(
            "open to you: the first player takes from a column, the second from a row. ")));
        QVERIFY(told.contains(QStringLiteral("the higher score wins it")));
        QVERIFY(told.endsWith(QStringLiteral("win the match. The Blinzor developers.")));
    }

    void buttonsLieOverTheirDrawnCopies()
    {
        About dialog(nullptr);
        QCOMPARE(dialog.cmdOK->objectName(), QStringLiteral("cmdOK"));
        QCOMPARE(dialog.cmdOK->text(), QStringLiteral("OK"));
        QVERIFY(dialog.cmdOK->isDefault());
        QCOMPARE(dialog.cmdSysInfo->objectName(), QStringLiteral("cmdSysInfo"));
        QCOMPARE(dialog.cmdSysInfo->text(), QStringLiteral("&System Info..."));
        QCOMPARE(misplaced(dialog, aboutLayout), QStringList());
        QCOMPARE(dialog.cmdOK->nextInFocusChain(), dialog.cmdSysInfo);
    }

    void pictureFillsTheWindowFromItsCorner()
    {
        About dialog(nullptr);
        const QImage picture(QStringLiteral(":/about.bmp"));
        QCOMPARE(picture.size(), QSize(576, 432));
        const QImage shown = dialog.grab().toImage();
        for (const QPoint at : {QPoint(0, 0), QPoint(574, 0), QPoint(0, 430), QPoint(574, 430),
                                QPoint(287, 215), QPoint(487, 300)})
            QCOMPARE(shown.pixel(at), picture.pixel(at));
    }

    void opensCentredOnItsOwner()
    {
        Dravik owner;
        showActive(owner);
        About dialog(&owner);
        dialog.show();
        const QPoint offset = dialog.geometry().center() - owner.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 1,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void staysOnTheScreenBesideAnOwnerAtItsEdge()
    {
        Dravik owner;
        const QRect room = owner.screen()->availableGeometry();
        owner.move(room.right() - owner.width() + 1, room.bottom() - owner.height() + 1);
        showActive(owner);
        About dialog(&owner);
        dialog.show();
        QVERIFY(room.contains(dialog.frameGeometry()));
    }

    void enterAndEscapeClose()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            About dialog(nullptr);
            showActive(dialog);
            QCOMPARE(QApplication::focusWidget(), dialog.cmdOK);
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted)); // as if "OK" was pressed
        }
    }

    void altSPressesSystemInfo()
    {
        ScriptedRegistry registry;
        ScriptedLauncher launcher;
        MsgBoxRecorder boxes;
        About dialog(nullptr);
        showActive(dialog);
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].prompt, Unavailable);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
