#include <cstdio>
#include <cstring>

#include "platform/entry.h"
#include "platform/sdl/display_check.h"
#include "platform/sdl/font_discovery.h"

int main(int argc, char** argv) {
    // The command line reaches the program as one text, as it would be typed.
    static char commandLine[1024];
    std::size_t used = 0;
    for (int i = 1; i < argc; ++i) {
        int n =
            std::snprintf(commandLine + used, sizeof commandLine - used, "%s%s", i > 1 ? " " : "", argv[i]);
        if (n < 0 || used + static_cast<std::size_t>(n) >= sizeof commandLine) break;
        used += static_cast<std::size_t>(n);
    }
    sdl_backend::StartFontDiscovery();
    const int code = WinMain(nullptr, nullptr, commandLine, SW_SHOWNORMAL);
    // The game ends quietly with 0 when its window cannot be created; to whoever started it, that
    // is a failure, and it is told why.
    if (sdl_backend::NoDisplayOpened()) {
        sdl_backend::ReportNoDisplay(argc > 0 ? argv[0] : "");
        return 1;
    }
    return code;
}
