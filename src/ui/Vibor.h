#pragma once

#include "ui/StoredTexts.h"

#include <QDialog>
#include <QString>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The strength dialog of "You vs Me": the person picks how hard the computer plays. The
// choice goes straight into the program-wide Uroven and is remembered in UrovenVibor for
// the next opening. "OK" answers with one of the computer's remarks before closing.
// One instance per showing: the caller creates it, exec()s it and lets it go.
class Vibor : public QDialog
{
    Q_OBJECT

public:
    explicit Vibor(QWidget* owner);

    void Form_Load();
    void obChoise_Click(int Index);
    void kOK_Click();
    QString Transl(const QString& s) const;

    // The remarks, readable, in their stored order.
    std::array<QString, StoredTexts::RemarkCount> Frazy;

    QGroupBox* fChoise = nullptr;
    std::array<QRadioButton*, 4>
        obChoise{}; // "Easy", "Hard", "God", "Satan": the index is the strength
    QPushButton* kOK = nullptr;

private:
    void buildChoiceFrame();
    void buildOkButton();
};
