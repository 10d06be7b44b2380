#pragma once

#include <functional>

// The program's one random generator: board values, the first player, the "Easy"
// computer, the remark of the strength dialog, glints and shaking all draw from it, so
// their draws interleave in one sequence.
namespace rules {

// The next draw, 0 <= r < 1, at single precision.
float Rnd();

// Re-seeds from the clock. The clock is mixed into the generator's state rather than
// replacing it, so two re-seeds within one clock tick still give independent draws.
void Randomize();

// For tests: while a stand-in is set it answers in Rnd's place, and nothing is drawn; an
// empty one brings the generator back.
void replaceRnd(std::function<float()> standIn);

} // namespace rules
