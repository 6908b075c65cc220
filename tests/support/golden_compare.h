// Compares a run's trace with the recorded one, line by line.
#pragma once

#include <string>

// Empty when the texts agree; otherwise the first differing line's number, its frame (the number a trace
// line starts with), the recorded line and the run's line.
std::string FirstDifference(const std::string& expected, const std::string& actual);
