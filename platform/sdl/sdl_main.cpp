#include <cstdio>
#include <cstring>

#include "platform/entry.h"
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
    return WinMain(nullptr, nullptr, commandLine, SW_SHOWNORMAL);
}
