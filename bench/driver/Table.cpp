#include "Table.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

namespace {

std::string number(double v, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

std::string spread(const Summary& s, int decimals)
{
    if (s.runs == 0)
        return "-";
    return number(s.median, decimals) + " [" + number(s.min, decimals) + "-" +
           number(s.max, decimals) + "]";
}

std::optional<double> ratio(const Row& row)
{
    if (!row.floor || row.floor->runs == 0 || row.floor->median == 0)
        return std::nullopt;
    return row.ours.median / row.floor->median;
}

std::string verdict(const Row& row)
{
    switch (row.target.kind) {
    case Target::Kind::None:
        return "";
    case Target::Kind::RatioAtMost: {
        const auto r = ratio(row);
        return !r ? "?" : *r <= row.target.limit ? "met" : "MISSED";
    }
    case Target::Kind::AtMost:
        return row.ours.runs == 0 ? "?" : row.ours.median <= row.target.limit ? "met" : "MISSED";
    }
    return "";
}

} // namespace

std::string Target::text() const
{
    switch (kind) {
    case Kind::None:
        return "";
    case Kind::RatioAtMost:
        return "x <= " + number(limit, 2);
    case Kind::AtMost:
        return "<= " + number(limit, limit == int(limit) ? 0 : 2);
    }
    return "";
}

void Table::section(const std::string& title)
{
    lines_.push_back({title, {}});
}

void Table::add(const Row& row)
{
    lines_.push_back({"", row});
}

void Table::print(std::ostream& to) const
{
    std::ostringstream out;
    out << std::left;
    out << std::setw(56) << "" << std::setw(30) << "ours: median [min-max]" << std::setw(30)
        << "floor or reference" << std::setw(8) << "ratio" << std::setw(12) << "target"
        << "verdict\n";
    for (const Line& line : lines_) {
        if (!line.title.empty()) {
            out << "\n" << line.title << "\n";
            continue;
        }
        const Row& r = line.row;
        const auto x = ratio(r);
        out << "  " << std::setw(54) << r.what << std::setw(30) << spread(r.ours, r.decimals)
            << std::setw(30) << (r.floor ? spread(*r.floor, r.decimals) : "") << std::setw(8)
            << (x ? number(*x, 2) : "") << std::setw(12) << r.target.text() << std::setw(8)
            << verdict(r) << "\n";
    }
    // Columns are padded to line up; the padding at the ends of lines is dropped.
    std::istringstream lines(out.str());
    for (std::string text; std::getline(lines, text);)
        to << text.erase(text.find_last_not_of(' ') + 1) << "\n";
}
