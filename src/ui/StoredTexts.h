#pragma once

#include <QLatin1StringView>
#include <QString>
#include <array>

// The texts the program keeps scrambled (see rules/Transl.h): each is a Latin-1 string whose
// every code is 4 below the character shown. Pass them through a window's Transl() before
// showing them. Their translations are looked up by an id of their own ("remark-3"), never
// by their English, so that the English shows in plain in no catalogue either.
namespace StoredTexts {

// A stored text as it is shown: unscrambled, and in the player's language where the
// catalogue has it. Both windows' Transl() come here.
QString shown(const QString& stored);

inline constexpr int RemarkCount = 15;

// The question asked before the program ends; Yes ends it.
extern const QLatin1StringView endingQuestion;

// The computer's remarks on the strength just chosen, one picked at random on "OK".
extern const std::array<QLatin1StringView, RemarkCount> remarks;

// The title of the box that shows a remark.
extern const QLatin1StringView remarkTitle;

} // namespace StoredTexts
