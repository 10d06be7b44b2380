#pragma once

#include <QString>
#include <QStringList>

// The game speaks the desktop's language where it has a catalogue for it, and English, the
// language its texts are written in, everywhere else.
namespace platform {

// Of the desktop's languages in its order of preference (tags such as "de-DE", "pt-BR",
// "de_AT.UTF-8"), the first the game speaks, as one of `spoken` ("de", "pt_BR"); empty for
// English. A tag is tried whole, then without its region. English, and the "C" locale,
// stop the search: a player who puts English before German gets English.
QString chosenLanguage(const QStringList& preferred, const QStringList& spoken);

// Puts the game's catalogue and the toolkit's (the message boxes' buttons) for the desktop's
// language in place; call it before building any window. A missing, empty or damaged
// catalogue of either leaves the whole game in English: never half a translation.
void speakTheDesktopsLanguage();

// As speakTheDesktopsLanguage(), for a given language and folder of the game's catalogues;
// false, and English, when either catalogue fails. Tests and the benchmark call it.
bool speakLanguage(const QString& language, const QString& folder);

// Where the game looks for its catalogues when it runs from `programFolder`: beside itself
// (Windows, a build tree), then under the installed data (bin/../share/blinzor/translations).
QStringList gameCatalogueFolders(const QString& programFolder);

// Takes every catalogue away again: English.
void speakEnglish();

// The toolkit's own word for a standard button ("OK", "&Yes", "&No") in the language in
// force, from the toolkit's catalogue.
QString toolkitWord(const char* english);

} // namespace platform
