#pragma once

#include <cstddef>
#include <vector>

// The median and the spread of a set of runs.
struct Summary
{
    double median = 0;
    double min = 0;
    double max = 0;
    std::size_t runs = 0;
};

Summary summarize(std::vector<double> values);
