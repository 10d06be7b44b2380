#include "platform/system/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

// The toolkit translates its standard buttons in this context of its own catalogue.
constexpr const char* ToolkitContext = "QPlatformTheme";

// The message each catalogue must translate to count as whole: the game's first menu, the
// toolkit's Yes. A damaged file that still loads loses them first.
constexpr const char* GameProbeContext = "Dravik";
constexpr const char* GameProbe = "Game";
constexpr const char* ToolkitProbe = "&Yes";

std::unique_ptr<QTranslator> gameCatalogue;
std::unique_ptr<QTranslator> toolkitCatalogue;

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QStringList toolkitFolders()
{
    return {programFolder() + "/translations"_L1,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

// The languages whose catalogues lie in `folder`: blinzor_de.qm speaks "de".
QStringList languagesIn(const QString& folder)
{
    QStringList spoken;
    const QStringList files = QDir(folder).entryList({u"blinzor_*.qm"_s}, QDir::Files);
    for (const QString& file : files)
        spoken << file.mid(8, file.size() - 8 - 3);
    return spoken;
}

std::unique_ptr<QTranslator> wholeCatalogue(const QString& name, const QStringList& folders,
                                            const char* context, const char* probe)
{
    for (const QString& folder : folders) {
        auto catalogue = std::make_unique<QTranslator>();
        if (catalogue->load(name, folder) && !catalogue->isEmpty() &&
            !catalogue->translate(context, probe).isEmpty())
            return catalogue;
    }
    return nullptr;
}

} // namespace

QString chosenLanguage(const QStringList& preferred, const QStringList& spoken)
{
    for (const QString& given : preferred) {
        // "de_AT.UTF-8@euro" and "de-AT" name the same language and region.
        QString tag = given.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
        QString language = tag.section(u'_', 0, 0);
        if (language == "en"_L1 || tag == "C"_L1 || tag == "POSIX"_L1)
            return {};
        if (spoken.contains(tag))
            return tag;
        if (spoken.contains(language))
            return language;
    }
    return {};
}

bool speakLanguage(const QString& language, const QString& folder)
{
    speakEnglish();
    if (language.isEmpty())
        return false;
    auto game = wholeCatalogue("blinzor_"_L1 + language, {folder}, GameProbeContext, GameProbe);
    auto toolkit = wholeCatalogue("qtbase_"_L1 + language, QStringList{folder} + toolkitFolders(),
                                  ToolkitContext, ToolkitProbe);
    if (!game || !toolkit)
        return false;
    gameCatalogue = std::move(game);
    toolkitCatalogue = std::move(toolkit);
    QCoreApplication::installTranslator(toolkitCatalogue.get());
    QCoreApplication::installTranslator(gameCatalogue.get());
    return true;
}

QStringList gameCatalogueFolders(const QString& programFolder)
{
    return {programFolder + "/translations"_L1,
            programFolder + "/../share/blinzor/translations"_L1};
}

void speakTheDesktopsLanguage()
{
    const QStringList preferred = QLocale::system().uiLanguages();
    for (const QString& folder : gameCatalogueFolders(programFolder())) {
        const QStringList spoken = languagesIn(folder);
        if (!spoken.isEmpty()) {
            speakLanguage(chosenLanguage(preferred, spoken), folder);
            return;
        }
    }
}

void speakEnglish()
{
    if (gameCatalogue)
        QCoreApplication::removeTranslator(gameCatalogue.get());
    if (toolkitCatalogue)
        QCoreApplication::removeTranslator(toolkitCatalogue.get());
    gameCatalogue.reset();
    toolkitCatalogue.reset();
}

QString toolkitWord(const char* english)
{
    return QCoreApplication::translate(ToolkitContext, english);
}

} // namespace platform
