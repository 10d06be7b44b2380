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

// Seam for tests: while a script is set, Rnd() returns its values instead of drawing.
using RndScript = std::function<float()>;
void setRndScript(RndScript script);

} // namespace rules
