#pragma once

#include <cstdint>

// The arithmetic of one move: what the mover gains, what the opponent of the first move
// gets in compensation, and how a score stays inside its 16-bit range.
namespace scoring {

// The mover's gain for a cell of value v. At "Satan" the person (player 0) gains only
// Int((v + 1) / 1.5) once the person's score is above 10 - except for a 6, which keeps its
// full value. The computer always gains the full value.
int moverGain(int v, int uroven, int hod, int personScore);

// What the opponent of a game's first move receives: half the cell's full value, rounded
// down.
int firstMoveCompensation(int v);

// score + change, stopped at the 16-bit bounds instead of wrapping round.
std::int16_t addToScore(std::int16_t score, int change);

} // namespace scoring
