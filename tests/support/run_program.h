// Runs the program's entry on the headless backend with a script called on every idle poll.
#pragma once

#include <functional>

// The script receives the number of idle polls so far (one per virtual millisecond by default).
// A run that has not ended after limitPolls polls is ended with Esc and reported as a failure.
int RunProgram(const std::function<void(int poll)>& script, int limitPolls = 20000);
