#pragma once

#include "Stats.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// A target on the ratio of ours to the floor, or on our own figure when there is no floor.
struct Target
{
    enum class Kind
    {
        None,
        RatioAtMost,
        AtMost
    };
    Kind kind = Kind::None;
    double limit = 0;
    std::string text() const;
};

struct Row
{
    std::string what;
    Summary ours;
    std::optional<Summary> floor;
    Target target;
    int decimals = 1;
};

// The one table the benchmark prints: sections of rows, each with our median [min-max], the
// floor's, their ratio (of medians) and whether the target is met.
class Table
{
public:
    void section(const std::string& title);
    void add(const Row& row);
    void print(std::ostream& out) const;

private:
    struct Line
    {
        std::string title; // a section heading when non-empty
        Row row;
    };
    std::vector<Line> lines_;
};
