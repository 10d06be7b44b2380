#pragma once

#include <sys/types.h>

// What a running process has used so far, summed over all its threads: CPU time from the
// scheduler's own accounting (nanoseconds, unlike the 10 ms ticks of utime and stime), and
// context switches, each of which is a wakeup or a preemption of one of its threads.
struct ProcessSample
{
    long long cpuNs = 0;
    long long switches = 0;

    static ProcessSample of(pid_t pid);
};
