#pragma once

#include "platform/runtime/Label.h"
#include "platform/runtime/PictureClip.h"
#include "platform/runtime/Timer.h"
#include "platform/runtime/Val.h"
#include "rules/BoardMatrix.h"
#include "rules/Variant.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class QAction;
class QGroupBox;
class QMenu;
class QRadioButton;

namespace platform {
class Image;
class Notice;
class SessionEnd;
} // namespace platform

// The main window: the board, the scores, the clock, the size options, the title picture,
// the menus and the four timers. It owns the game's state as plain fields; its handlers
// live beside the rules they carry out (game/, flow/, timers/), its description in ui/.
class Dravik : public QMainWindow
{
    Q_OBJECT

public:
    explicit Dravik(QWidget* parent = nullptr);

    // --- Game state, in declaration order ---

    BoardMatrix Pole;                    // the computer's view of the board
    int Hod = 0;                         // the player to move: 0 or 1
    int EstHod = 0;                      // 1 while the line just opened still holds a cell
    int Liniya = 0;                      // the open line: a column while Hod is 0, a row while 1
    Variant<int> RazmerVibor;            // the size option in force, 0 to 2; none before the first
    std::int16_t Razmer = 0;             // the board side: 0 (none chosen), 5, 8 or 10
    double Maks = 0;                     // the computer's working maximum
    std::array<double, 4> Ocenka{};      // the computer's evaluation; Ocenka[3] is its column
    int Takt = 0;                        // ticks of the computer's delay
    std::array<std::int16_t, 2> Ochki{}; // the scores, by player
    Variant<int> Kadr1;                  // glint phase of Image1 (none reads as 0)
    std::int16_t Kadr2 = 0;              // glint phase of Image2

    // --- Controls ---

    std::array<platform::Label*, 100> kK{};   // the cells, 10 x row + column
    std::array<platform::Label*, 2> lPl{};    // the scores
    std::array<platform::Label*, 2> label{};  // the scores' titles
    std::array<platform::Label*, 2> LabelS{}; // games won in the match
    platform::Label* lTime = nullptr;         // the turn clock
    platform::Label* labelT = nullptr;        // "Time:"
    platform::Notice* notice = nullptr;       // never shown: news for screen readers
    QGroupBox* fBoard = nullptr;
    std::array<QRadioButton*, 3> ob{}; // "5x5", "8x8", "10x10"
    platform::Image* pic = nullptr;    // the title picture
    platform::Image* Image1 = nullptr;
    platform::Image* Image2 = nullptr;
    platform::PictureClip PictureClip1;      // glint frames for Image1
    platform::PictureClip PictureClip2;      // glint frames for Image2
    platform::Timer* TimerBliki = nullptr;   // 200 ms, glints
    platform::Timer* TimerDvizen = nullptr;  // 50 ms, the "Satan" shake
    platform::Timer* TimerCompHod = nullptr; // 300 ms, the computer's delay
    platform::Timer* TimerTime = nullptr;    // 500 ms, the turn clock
    QMenu* mGame = nullptr;
    QMenu* mNew = nullptr;
    QAction* mNewGame = nullptr;
    QAction* k = nullptr; // the separator under "New Blinzor"
    QAction* m1vs1 = nullptr;
    QAction* m1vsC = nullptr;
    QAction* mExit = nullptr;
    QMenu* mHelp = nullptr;
    QAction* mAbout = nullptr;

    // --- What the controls say about the game ---
    // The controls hold part of the game's state; these read it and change nothing.

    // A game is on exactly while the turn clock runs.
    bool gameRunning() const { return TimerTime->enabled(); }
    // While the computer chooses, its cells - cell 0 among them - take no clicks.
    bool computerChoosing() const { return !kK[0]->isEnabled(); }
    // A player's score is shown from the first move of a game on; empty before it.
    bool scoreShown(int player) const { return !lPl[std::size_t(player)]->caption().isEmpty(); }
    int gamesWon(int player) const { return platform::Val(LabelS[std::size_t(player)]->caption()); }
    // A cell is on the board until it is taken; its caption is its value.
    bool cellOnBoard(int i) const { return kK[std::size_t(i)]->isVisibleTo(this); }
    int cellValue(int i) const { return platform::Val(kK[std::size_t(i)]->caption()); }
    // White (the open line) or red (the computer's choice): the cell may be taken now.
    bool cellOpen(int i) const { return kK[std::size_t(i)]->backColor() != platform::ButtonFace; }
    // The grid is 10 by 10 whatever the board's size.
    static constexpr int cellIndex(int row, int col) { return 10 * row + col; }

    // --- Game rules and state (game/) ---

    void kK_Click(int Index);
    void ob_Click(int Index);
    void Clear();
    void PokaziKletki(int flag);
    void PogasiKletki();

    // --- Game flow (flow/) ---

    void m1vs1_Click();
    void m1vsC_Click();
    void mNewGame_Click();
    void GameOver();
    void Form_QueryUnload(int& Cancel, int UnloadMode);
    void mExit_Click();
    void mAbout_Click();
    // The desktop session is ending: asks the ending question where the session allows it.
    void sessionEnding(platform::SessionEnd& session);

    // --- Timers and the computer opponent (timers/) ---

    void ComputerHod();
    void TimerCompHod_Timer();
    void TimerTime_Timer();
    void Prodolzi();
    void TimerBliki_Timer();
    void TimerDvizen_Timer();

    // A new game or a new board size cancels the computer's pending move: its delay timer
    // stops and all 100 cells take clicks again.
    void cancelComputerMove();

    // --- Stored texts (ui/) ---

    QString Transl(const QString& s) const;

    // --- What a screen reader hears (game/BoardNews.cpp) ---

    // What has happened since the person's last key on the board - the last move and both
    // scores - told by the cell the focus came back to after the move until the focus leaves
    // it, or nothing for any other cell.
    QString newsAt(const platform::Label* cell) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Watches the cells: the news of the game goes when the focus leaves the cell that tells
    // it (game/BoardNews.cpp).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- Playing from the keyboard (game/BoardKeys.cpp) ---

    // A click on cell Index, by mouse, key or assistive technology: the move, then the focus
    // back on the board if the move took the focused cell.
    void takeCell(int Index);
    // An arrow key, Home or End pressed on cell `from`.
    void moveFocusFrom(int from, Qt::Key key);
    // Puts the focus back on the board after a move, unless the computer is choosing.
    void focusBoard();
    // A new game: the focus goes to the first cell of the open line, from wherever it was -
    // the size options, most often, where the next arrow key would change the board.
    void focusNewBoard();
    int boardEntry() const;
    int focusedCell() const;

    // While no cell can take the keys, the focus waits where keys do nothing.
    void holdFocus();

    int boardFocus_ = -1;       // the cell the focus left the board from, or -1
    bool focusWaiting_ = false; // a move took the focused cell or closed the board under it

    // --- What a screen reader hears (game/BoardNews.cpp) ---

    // A move was made: the next cell to take the focus tells it, with both scores.
    void tellMove(int Index, int mover);
    // The clock took a point: the notice tells it at once, wherever the focus is.
    void tellClockPoint();
    QString scoresSaid() const;

    QString news_;
    int newsCell_ = -1; // the cell the focus came back to after the news, until it leaves

    void openLineThrough(int Index);
    void showScore(int player);
    void fillBoard(bool forTheComputer);
    bool clearForNewGame(const QString& title0, const QString& title1);

    void buildBoard(QWidget* client);
    void buildScores(QWidget* client);
    void buildSizeFrame(QWidget* client);
    void buildTitlePicture(QWidget* client);
    void buildMenus();
    void buildTimers();

    QPixmap titlePicture_;
};
