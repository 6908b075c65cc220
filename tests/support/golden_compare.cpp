#include "support/golden_compare.h"

#include <cctype>
#include <sstream>

namespace {

// The frame a trace line starts with, or the line's kind when it has none (header, totals).
std::string FrameOf(const std::string& line) {
    std::size_t digits = 0;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits])) != 0) ++digits;
    if (digits == 0) return "none (" + line.substr(0, line.find(' ')) + " line)";
    return std::to_string(std::stoll(line.substr(0, digits)));
}

bool NextLine(std::istringstream& in, std::string& line) {
    return static_cast<bool>(std::getline(in, line));
}

}  // namespace

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream want(expected);
    std::istringstream got(actual);
    std::string a;
    std::string b;
    for (int number = 1;; ++number) {
        const bool haveA = NextLine(want, a);
        const bool haveB = NextLine(got, b);
        if (!haveA && !haveB) return {};
        if (haveA && haveB && a == b) continue;
        std::ostringstream out;
        out << "line " << number << ", frame " << FrameOf(haveA ? a : b)
            << "\n  expected: " << (haveA ? a : "(the recorded trace ends here)")
            << "\n  actual:   " << (haveB ? b : "(the run's trace ends here)");
        return out.str();
    }
}
