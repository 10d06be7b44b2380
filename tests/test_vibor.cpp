#include "Boards.h"
#include "Layout.h"
#include "RealModal.h"
#include "Seams.h"
#include "game/ProgramWide.h"
#include "platform/runtime/Label.h"
#include "rules/RemarkPick.h"
#include "ui/StoredTexts.h"
#include "ui/Vibor.h"

#include <QApplication>
#include <QGroupBox>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <limits>

// The strength dialog: what it remembers, what it writes into Uroven, and its remarks.
class TestVibor : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // Choosing a strength
    void firstOpeningSelectsEasy();
    void rememberedStrengthSurvivesATwoPersonGame();
    void lastClickedOptionWins();
    void closeBoxShowsNoRemarkAndKeepsTheChoice();
    void enterPressesOk();

    // Remarks
    void remarkIndexCutsTheRangeEvenly();
    void everyRemarkComesEquallyOften();
    void realDrawsSpreadOverAllRemarks();
    void realRemarkBoxKeepsTheDialogOpenUntilDismissed();

    // The window
    void windowIsLaidOutAsDesigned();
    void opensCentredOnItsOwner();

private:
    // Opens a dialog, presses "OK" and returns the remark shown.
    QString pressOk(MsgBoxRecorder& boxes);

    QWidget owner_;
};

void TestVibor::init()
{
    UrovenVibor = 0;
    Uroven = Variant<int>();
}

QString TestVibor::pressOk(MsgBoxRecorder& boxes)
{
    Vibor dialog(&owner_);
    dialog.kOK->click();
    return boxes.calls.isEmpty() ? QString() : boxes.calls.last().prompt;
}

void TestVibor::firstOpeningSelectsEasy()
{
    MsgBoxRecorder boxes;
    ScriptedRnd rnd{0.5f};
    Vibor dialog(&owner_);

    QVERIFY(dialog.obChoise[0]->isChecked());
    QVERIFY(!Uroven.isEmpty());
    QCOMPARE(int(Uroven), 0);

    dialog.kOK->click();

    QCOMPARE(int(Uroven), 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(boxes.calls.size(), 1);
    QCOMPARE(rnd.draws(), 1);
}

void TestVibor::rememberedStrengthSurvivesATwoPersonGame()
{
    MsgBoxRecorder boxes;
    {
        Vibor first(&owner_);
        first.obChoise[2]->click();
        first.kOK->click();
    }
    Uroven = -1; // a game of two people in between

    Vibor second(&owner_);
    QVERIFY(second.obChoise[2]->isChecked());
    QCOMPARE(int(Uroven), 2);
    second.kOK->click();

    QCOMPARE(int(Uroven), 2);
    QCOMPARE(int(UrovenVibor), 2);
}

void TestVibor::lastClickedOptionWins()
{
    MsgBoxRecorder boxes;
    Vibor dialog(&owner_);

    dialog.obChoise[3]->click();
    QCOMPARE(int(Uroven), 3);
    dialog.obChoise[1]->click();
    dialog.kOK->click();

    QCOMPARE(int(Uroven), 1);
    QCOMPARE(int(UrovenVibor), 1);
}

void TestVibor::closeBoxShowsNoRemarkAndKeepsTheChoice()
{
    MsgBoxRecorder boxes;
    Vibor dialog(&owner_);
    whenModalAppears([&dialog](QWidget* modal) {
        QCOMPARE(modal, &dialog);
        dialog.obChoise[3]->click();
        modal->close();
    });

    QCOMPARE(dialog.exec(), int(QDialog::Rejected));

    QVERIFY(boxes.calls.isEmpty());
    QCOMPARE(int(Uroven), 3);
    QCOMPARE(int(UrovenVibor), 3);
}

void TestVibor::enterPressesOk()
{
    MsgBoxRecorder boxes;
    UrovenVibor = 1;
    Vibor dialog(&owner_);
    whenModalAppears([](QWidget* modal) {
        modal->activateWindow();
        QWidget* focus = modal->focusWidget();
        QTest::keyClick(focus ? focus : modal, Qt::Key_Return);
        if (modal->isVisible()) {
            modal->close();
            QFAIL("Enter left the dialog open");
        }
    });

    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QCOMPARE(boxes.calls.size(), 1);
    QCOMPARE(int(Uroven), 1);
}

void TestVibor::remarkIndexCutsTheRangeEvenly()
{
    QCOMPARE(remarkIndex(0.0f, 15), 0);
    QCOMPARE(remarkIndex(std::nextafter(1.0f, 0.0f), 15), 14);
    // Draws the generator never makes still name a remark.
    QCOMPARE(remarkIndex(1.0f, 15), 14);
    QCOMPARE(remarkIndex(-0.25f, 15), 0);
    QCOMPARE(remarkIndex(std::numeric_limits<float>::quiet_NaN(), 15), 0);

    QList<int> counts(15, 0);
    const int steps = 15 * 1000;
    for (int i = 0; i < steps; ++i)
        ++counts[remarkIndex(float(i) / float(steps), 15)];
    for (int count : counts)
        QVERIFY2(std::abs(count - 1000) <= 1, qPrintable(QString::number(count)));
}

void TestVibor::everyRemarkComesEquallyOften()
{
    MsgBoxRecorder boxes;
    const int perRemark = 4;
    const int presses = StoredTexts::RemarkCount * perRemark;
    ScriptedRnd rnd;
    for (int i = 0; i < presses; ++i)
        rnd.push(drawFor(i, presses));
    const Vibor reader(&owner_);

    // Draws spread evenly over [0, 1) walk through the remarks in their stored order.
    for (int i = 0; i < presses; ++i)
        QCOMPARE(pressOk(boxes), reader.Transl(StoredTexts::remarks[std::size_t(i / perRemark)]));

    const QString title = reader.Transl(StoredTexts::remarkTitle);
    for (const MsgBoxCall& box : boxes.calls) {
        QCOMPARE(box.title, title);
        QCOMPARE(box.style, 16);
    }
}

void TestVibor::realDrawsSpreadOverAllRemarks()
{
    MsgBoxRecorder boxes;
    const int presses = 1500;
    QMap<QString, int> seen;
    for (int i = 0; i < presses; ++i)
        ++seen[pressOk(boxes)];

    // 100 expected each; the bounds lie more than five standard deviations out.
    QCOMPARE(seen.size(), StoredTexts::RemarkCount);
    for (int count : seen)
        QVERIFY2(count >= 50 && count <= 150, qPrintable(QString::number(count)));
}

void TestVibor::realRemarkBoxKeepsTheDialogOpenUntilDismissed()
{
    owner_.show();
    ScriptedRnd rnd{drawFor(7, StoredTexts::RemarkCount)};
    Vibor dialog(&owner_);
    QString prompt, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool dialogOpenUnderBox = false;

    whenModalAppears([&](QWidget* modal) {
        QCOMPARE(modal, &dialog);
        dialog.obChoise[2]->click();
        whenModalAppears([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message);
            prompt = message->text();
            title = message->windowTitle();
            icon = message->icon();
            dialogOpenUnderBox = dialog.isVisible();
            clickButton(box, QStringLiteral("OK"));
        });
        clickButton(modal, QStringLiteral("OK"));
    });

    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QVERIFY(dialogOpenUnderBox);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(prompt, dialog.Frazy[7]);
    QCOMPARE(title, dialog.Transl(StoredTexts::remarkTitle));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(int(Uroven), 2);
    owner_.hide();
}

void TestVibor::windowIsLaidOutAsDesigned()
{
    // The dialog follows the desktop's font; at the design's own it has the design's layout.
    const QFont general = QApplication::font();
    QApplication::setFont(platform::defaultCaptionFont());
    QWidget owner;
    owner.setWindowIcon(QIcon(QStringLiteral(":/icon.ico")));
    Vibor dialog(&owner);
    QApplication::setFont(general);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Your choice:"));
    QVERIFY(dialog.windowIcon().isNull()); // not even its owner's
    QCOMPARE(dialog.minimumSize(), QSize(185, 157));
    QCOMPARE(dialog.maximumSize(), QSize(185, 157));
    QVERIFY(
        !(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    QCOMPARE(dialog.fChoise->objectName(), QStringLiteral("fChoise"));
    QCOMPARE(dialog.fChoise->title(), QString());
    QCOMPARE(misplaced(dialog, strengthLayout), QStringList());

    const char* const captions[] = {"Easy", "Hard", "God", "Satan"};
    for (int i = 0; i < 4; ++i) {
        const QRadioButton* option = dialog.obChoise[std::size_t(i)];
        QCOMPARE(option->objectName(), QStringLiteral("obChoise_%1").arg(i));
        QCOMPARE(option->text(), QLatin1String(captions[i]));
        QCOMPARE(option->parentWidget(), dialog.fChoise);
    }

    QCOMPARE(dialog.kOK->objectName(), QStringLiteral("kOK"));
    QCOMPARE(dialog.kOK->text(), QStringLiteral("OK"));
    QVERIFY(dialog.kOK->isDefault());

    QList<QWidget*> tabOrder;
    for (QWidget* w = dialog.obChoise[0]; tabOrder.size() < 5; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            tabOrder.append(w);
    }
    const QList<QWidget*> expected{dialog.obChoise[0], dialog.obChoise[1], dialog.obChoise[2],
                                   dialog.obChoise[3], dialog.kOK};
    QCOMPARE(tabOrder, expected);
}

void TestVibor::opensCentredOnItsOwner()
{
    owner_.setGeometry(100, 120, 500, 400);
    owner_.show();
    Vibor dialog(&owner_);

    dialog.show();

    const QPoint offset = dialog.geometry().center() - owner_.geometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    dialog.hide();
    owner_.hide();
}

QTEST_MAIN(TestVibor)
#include "test_vibor.moc"
