#include "ui/Vibor.h"

#include "game/ProgramWide.h"
#include "platform/drawing/FitCaption.h"
#include "platform/drawing/Placement.h"
#include "platform/runtime/MsgBox.h"
#include "platform/runtime/Twips.h"
#include "platform/system/Language.h"
#include "rules/RemarkPick.h"
#include "rules/standins/Random.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using platform::twipsRect;

namespace {

// The client area and the place of "OK", in twips.
constexpr int ViborClientWidth = 2775;
constexpr int ViborClientHeight = 2355;
constexpr QRect OkPlace = twipsRect(720, 1920, 1335, 325);

// The remark box wears the error icon: the computer's remarks are meant to sting a little.
constexpr int RemarkStyle = rules::vbCritical;

} // namespace

Vibor::Vibor(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Vibor"));
    setWindowTitle(tr("Your choice:"));
    // A dialog with an owner stays off the task bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon()); // a plain dialog frame: no icon, not even the owner's

    buildChoiceFrame();
    buildOkButton();
    // The dialog keeps the desktop's font: the captions grow to fit it, and a taller "OK"
    // makes the dialog taller by as much.
    setFixedSize(platform::px(ViborClientWidth),
                 platform::px(ViborClientHeight) + kOK->height() - OkPlace.height());
    if (owner)
        move(platform::centredOnOwner(*owner->window(), size()));
    for (int i = 0; i < 3; ++i)
        setTabOrder(obChoise[std::size_t(i)], obChoise[std::size_t(i) + 1]);
    setTabOrder(obChoise[3], kOK);

    Form_Load();
}

void Vibor::buildChoiceFrame()
{
    fChoise = new QGroupBox(this);
    fChoise->setObjectName(QStringLiteral("fChoise"));
    fChoise->setGeometry(twipsRect(120, 0, 2535, 1815));
    static const char* const captions[] = {QT_TR_NOOP("Easy"), QT_TR_NOOP("Hard"),
                                           QT_TR_NOOP("God"), QT_TR_NOOP("Satan")};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(tr(captions[i]), fChoise);
        option->setObjectName(QStringLiteral("obChoise_%1").arg(i));
        // "Satan" is the longest caption and gets a wider button.
        option->setGeometry(twipsRect(840, 240 + 360 * i, i == 3 ? 855 : 735, 375));
        platform::fitCaption(option);
        // Raised whether the person clicks the option or the program selects it.
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                obChoise_Click(i);
        });
        obChoise[std::size_t(i)] = option;
    }
}

void Vibor::buildOkButton()
{
    kOK = new QPushButton(platform::toolkitWord("OK"), this);
    kOK->setObjectName(QStringLiteral("kOK"));
    kOK->setGeometry(OkPlace);
    // Taller only where the font's line would no longer fit within the button's bevel.
    kOK->resize(kOK->width(), std::max(kOK->height(), kOK->fontMetrics().height() + 2));
    kOK->setDefault(true);
    connect(kOK, &QPushButton::clicked, this, &Vibor::kOK_Click);
}

void Vibor::Form_Load()
{
    // Selecting the remembered strength runs obChoise_Click, so Uroven holds a strength
    // even if the person closes the dialog without touching anything.
    obChoise[std::size_t(UrovenVibor)]->setChecked(true);
    rules::Randomize();
    for (std::size_t k = 0; k < Frazy.size(); ++k)
        Frazy[k] = Transl(StoredTexts::remarks[k]);
}

void Vibor::obChoise_Click(int Index)
{
    UrovenVibor = std::int16_t(Index);
    Uroven = Index;
}

void Vibor::kOK_Click()
{
    const float r = rules::Rnd();
    const QString title = Transl(StoredTexts::remarkTitle);
    const int k = remarkIndex(r, StoredTexts::RemarkCount);
    platform::MsgBox(Frazy[std::size_t(k)], RemarkStyle, title);
    accept();
}

QString Vibor::Transl(const QString& s) const
{
    return StoredTexts::shown(s);
}
