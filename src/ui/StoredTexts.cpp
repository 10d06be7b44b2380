#include "ui/StoredTexts.h"

#include "rules/Transl.h"

#include <QCoreApplication>
#include <optional>

using namespace Qt::StringLiterals;

// Written in their stored form only: each code here is 4 below the character shown.
namespace StoredTexts {

const QLatin1StringView endingQuestion =
    "@k\034ukq\034na]hhu\034s]jp\034pk\034ha]ra\034>hejvkn;"_L1;

const std::array<QLatin1StringView, RemarkCount> remarks = {
    ">n]ra\034_dke_a*\034Lkejphaoo(\034^qp\034^n]ra*"_L1,
    "E\034d]ra\034]hna]\140u\034op]npa\140\034snepejc\034iu\034re_pknu\034olaa_d*"_L1,
    "Ckk\140\034hq_g*\034Ukq\034sehh\034jaa\140\034aranu\034^ep\034kb\034ep*"_L1,
    "Iu\034_en_qepo\034]na\034s]niejc\034ql*\034=na\034ukqno;"_L1,
    "@kj#p\034sknnu(\034E\034sehh\034ck\034a]ou\034kj\034ukq*\034Lnk^]^hu*"_L1,
    "E\034d]ra\034^aaj\034s]epejc\034]hh\034\140]u\034bkn\034pdeo*"_L1,
    ">kh\140\034ikra*\034Hap\034qo\034oaa\034eb\034pda\034^k]n\140\034]cnaao*"_L1,
    "Ukq\034i]u\034s]jp\034pk\034opnap_d\034ukqn\034bejcano\034benop*"_L1,
    "Beja\034^u\034ia*\034E\034jaran\034cap\034pena\140\034]jus]u*"_L1,
    "Na]\140u\034sdaj\034ukq\034]na*\034E\034s]o\034^knj\034na]\140u*"_L1,
    "E\034lnkieoa\034pk\034sej\034lkhepahu*"_L1,
    "Naiai^an(\034ep\034eo\034kjhu\034]\034c]ia*\034Bkn\034ukq*"_L1,
    "At_ahhajp*\034Iu\034n]j\140ki\034jqi^ano\034]na\034]hna]\140u\034oiehejc*"_L1,
    "=na\034ukq\034oqna;\034Pkk\034h]pa(\034E\034d]ra\034]__alpa\140*"_L1,
    "Ejpanaopejc*\034E\034sehh\034pnu\034jkp\034pk\034h]qcd*"_L1,
};

const QLatin1StringView remarkTitle = "=\034skn\140\034bnki\034ukqn\034kllkjajp"_L1;

namespace {

constexpr const char* Context = "StoredTexts";

// The ids, in the order of endingQuestion, the remarks and remarkTitle. The comments tell a
// translator what each text does; its English wording is theirs to ask for.
constexpr std::array<const char*, RemarkCount + 2> Ids{
    //: The question before the program ends, answered Yes or No; Yes ends it.
    QT_TRANSLATE_NOOP("StoredTexts", "ending-question"),
    //: The computer's cheeky remarks on the strength just chosen in "Your choice:"; one is
    //: shown at random on OK, in a box with an error icon.
    QT_TRANSLATE_NOOP("StoredTexts", "remark-1"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-2"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-3"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-4"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-5"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-6"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-7"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-8"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-9"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-10"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-11"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-12"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-13"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-14"),
    QT_TRANSLATE_NOOP("StoredTexts", "remark-15"),
    //: The title of the box that shows a remark: who the remark comes from.
    QT_TRANSLATE_NOOP("StoredTexts", "remark-title"),
};

// Where a stored text stands among the ids, or none for a text the program does not store.
std::optional<std::size_t> placeOf(const QString& stored)
{
    if (stored == endingQuestion)
        return 0;
    for (std::size_t k = 0; k < remarks.size(); ++k)
        if (stored == remarks[k])
            return k + 1;
    if (stored == remarkTitle)
        return Ids.size() - 1;
    return std::nullopt;
}

} // namespace

QString shown(const QString& stored)
{
    QString english = QString::fromStdU32String(unscramble(stored.toStdU32String()));
    const std::optional<std::size_t> place = placeOf(stored);
    if (!place)
        return english;
    const QLatin1StringView id(Ids[*place]);
    QString translated = QCoreApplication::translate(Context, Ids[*place]);
    return translated == id ? english : translated;
}

} // namespace StoredTexts
