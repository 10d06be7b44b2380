#pragma once

#include "platform/runtime/Colors.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class Dravik;

// One cell as the player sees it.
struct CellSeen
{
    QString caption;
    bool visible = false;
    bool enabled = false;
    platform::Color back = platform::ButtonFace;

    bool operator==(const CellSeen&) const = default;
};

// Everything the event driver compares between two moments: what a player sees of the main
// window, and the game state behind it.
struct SeenState
{
    std::array<CellSeen, 100> cells;
    std::array<QString, 2> scoreText; // lPl
    std::array<platform::Color, 2> scoreBack{};
    std::array<QString, 2> titleText; // label
    std::array<QString, 2> wonText;   // LabelS
    QString clockText;                // lTime
    bool clockOn = false;             // TimerTime: a game is running
    bool computerPending = false;     // TimerCompHod
    bool windowOpen = false;

    std::array<int, 2> Ochki{};
    int Hod = 0;
    int Liniya = 0;
    int Razmer = 0;
    int RazmerVibor = -1; // -1: no size chosen yet
    int Takt = 0;
    int chosenColumn = 0; // Ocenka[3]
    bool urovenSet = false;
    int Uroven = 0;
    int UrovenVibor = 0;
    int Kadr1 = 0;
    int Kadr2 = 0;
    int poleSize = 0;
    std::vector<int> pole; // row by row, poleSize x poleSize

    QRect frame;      // the window on the screen
    QRect screenArea; // the screen's available area

    static SeenState of(const Dravik& w);

    bool onBoard(int cell) const { return cell / 10 < Razmer && cell % 10 < Razmer; }
    int poleAt(int r, int c) const { return pole[std::size_t(r * poleSize + c)]; }
    // The board cells of the line open to the player to move.
    std::vector<int> openLine() const;
    // What differs from `other` that a player could notice; the window's position and the
    // glints over the title are left out, since their timers run in every state.
    QStringList differencesFrom(const SeenState& other) const;
};
