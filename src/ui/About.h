#pragma once

#include "ui/AboutWords.h"

#include <QDialog>
#include <QPixmap>
#include <cstdint>

class QPushButton;

// The About box: one large picture, with its words engraved on the slate in the player's
// language and two real buttons laid exactly over the picture's drawn copies of them. "OK"
// closes it; "System Info..." starts the system's own system-information tool, found
// through two machine-wide registry entries.
class About : public QDialog
{
    Q_OBJECT

public:
    explicit About(QWidget* owner);

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Starts the system-information tool, or tells that it is unavailable.
    void StartSysInfo();

    // Reads one registry value as text into KeyVal; true when it was read. On failure
    // KeyVal is emptied.
    static bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                            QString& KeyVal);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption, const QRect& geometry);

    const AboutWords words_; // before the picture, which is drawn with them
    QPixmap picture_;
};
