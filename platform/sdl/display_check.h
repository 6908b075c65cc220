// What the program's entry learns from the SDL backend about its display, without SDL's headers.
#pragma once

namespace sdl_backend {

// Whether the program wanted a window that no display could show.
bool NoDisplayOpened();

// Says on stderr, in one line that starts with the program's name, that no display could be opened
// and how to run the program so that one is.
void ReportNoDisplay(const char* program);

}  // namespace sdl_backend
