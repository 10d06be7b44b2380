#pragma once

#include <string>
#include <vector>

// Counts the heap allocations made between start() and stop(), whoever makes them: the
// game, Qt or the standard library. The harness replaces malloc and its relatives with
// counting stand-ins that hand the work on to the C library's own allocator.
namespace alloccount {

// traceSites also keeps the call stack of each allocation, for where(); it costs far more
// than the allocation itself, so it is only for runs whose instructions are not counted.
void start(bool traceSites = false);
long long stop();

// Where the allocations of the last traced run came from: for each, its callers from the
// innermost outwards, the allocator's own frames left out.
std::vector<std::vector<std::string>> where();

} // namespace alloccount
