#include "ui/MatchWords.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace matchwords {

namespace {

constexpr const char* Context = "Match";

// The rules' every composed text, marked here for the translation tools, which read the
// sources: shown() looks each up by its English at run time.
[[maybe_unused]] constexpr std::array Composed{
    QT_TRANSLATE_NOOP("Match", "Player1 win!"),
    QT_TRANSLATE_NOOP("Match", "Player2 win!"),
    QT_TRANSLATE_NOOP("Match", "You  win!"),
    QT_TRANSLATE_NOOP("Match", "I win!"),
    QT_TRANSLATE_NOOP("Match", "Player1 is\nWINNER!"),
    QT_TRANSLATE_NOOP("Match", "Player2 is\nWINNER!"),
    QT_TRANSLATE_NOOP("Match", "You are\nWINNER!"),
    QT_TRANSLATE_NOOP("Match", "I am\nWINNER!"),
    QT_TRANSLATE_NOOP("Match", "Easy's score:"),
    QT_TRANSLATE_NOOP("Match", "Hard's score:"),
    QT_TRANSLATE_NOOP("Match", "God's score:"),
    QT_TRANSLATE_NOOP("Match", "Satan's score:"),
    QT_TRANSLATE_NOOP("Match", "Player1"),
    QT_TRANSLATE_NOOP("Match", "Player2"),
    QT_TRANSLATE_NOOP("Match", "You"),
    QT_TRANSLATE_NOOP("Match", "I"),
};

// The sentence that tells a move, once for each mover, told apart by the mover's English
// name: another language may bend its verb to the mover.
struct Sentence
{
    const char* source;
    const char* mover;
};
constexpr std::array<Sentence, 4> MoveNews{{
    QT_TRANSLATE_NOOP3("Match", "%1 took row %2, column %3: %4. ", "Player1"),
    QT_TRANSLATE_NOOP3("Match", "%1 took row %2, column %3: %4. ", "Player2"),
    QT_TRANSLATE_NOOP3("Match", "%1 took row %2, column %3: %4. ", "You"),
    QT_TRANSLATE_NOOP3("Match", "%1 took row %2, column %3: %4. ", "I"),
}};

} // namespace

QString shown(const std::string& english)
{
    return QCoreApplication::translate(Context, english.c_str());
}

QString moveNews(const std::string& mover)
{
    const auto* const told = std::find_if(MoveNews.begin(), MoveNews.end(),
                                          [&mover](const Sentence& s) { return mover == s.mover; });
    const Sentence& sentence = told != MoveNews.end() ? *told : MoveNews.front();
    return QCoreApplication::translate(Context, sentence.source, sentence.mover).arg(shown(mover));
}

} // namespace matchwords
