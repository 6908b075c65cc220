// Writes the monotonic clock, in nanoseconds, to a file and then becomes the given program: the start
// of a process as the start-up check counts it, taken the same way for every program it compares.
// Usage: exec_stamped <stamp file> <program> [arguments ...]
#include <time.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::FILE* stamp = std::fopen(argv[1], "w");
    if (stamp == nullptr) return 2;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stamp, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    if (std::fclose(stamp) != 0) return 2;
    execv(argv[2], argv + 2);
    std::perror(argv[2]);
    return 127;
}
