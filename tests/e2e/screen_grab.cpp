// Screenshots of a rectangle of the X display's root window as binary PPM files, taken over a connection
// already open: a few milliseconds each, where starting a general image tool takes half a second, so that
// a shot a script takes when the program reaches a frame shows that frame and not one far beyond it.
// Usage: screen_grab <left> <top> <width> <height> <out.ppm>
//        screen_grab <left> <top> <width> <height> <out prefix> <present log> <shots> <frames apart>
// The second form takes <shots> screenshots, <prefix>1.ppm on, each once the program has written <frames
// apart> more lines to its present log (one line a frame) than at the shot before; it gives up when the
// log has not grown for a minute.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr long kPollNanoseconds = 1000000;
constexpr int kStallPolls = 60000;  // a minute of polls

// A colour mask's lowest set bit and the largest value the channel holds.
struct Channel {
    unsigned long mask;
    int shift;
    unsigned long top;
};

Channel ChannelOf(unsigned long mask) {
    Channel c{mask, 0, 0};
    if (mask == 0) return c;
    while (((mask >> c.shift) & 1ul) == 0) ++c.shift;
    c.top = mask >> c.shift;
    return c;
}

unsigned char Level(unsigned long pixel, const Channel& c) {
    if (c.top == 0) return 0;
    return static_cast<unsigned char>(((pixel & c.mask) >> c.shift) * 255ul / c.top);
}

struct Rectangle {
    int left;
    int top;
    int width;
    int height;
};

bool Grab(Display* display, const Rectangle& r, const std::string& path) {
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), r.left, r.top, static_cast<unsigned>(r.width),
                  static_cast<unsigned>(r.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        std::fprintf(stderr, "screen_grab: the rectangle is not on the screen\n");
        return false;
    }
    const Channel red = ChannelOf(image->red_mask);
    const Channel green = ChannelOf(image->green_mask);
    const Channel blue = ChannelOf(image->blue_mask);
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(r.width) * static_cast<std::size_t>(r.height) * 3);
    for (int y = 0; y < r.height; ++y) {
        for (int x = 0; x < r.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            rgb.push_back(Level(pixel, red));
            rgb.push_back(Level(pixel, green));
            rgb.push_back(Level(pixel, blue));
        }
    }
    XDestroyImage(image);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "screen_grab: cannot write %s\n", path.c_str());
        return false;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", r.width, r.height);
    const bool written = std::fwrite(rgb.data(), 1, rgb.size(), out) == rgb.size();
    return std::fclose(out) == 0 && written;
}

// Counts the lines of a file that another process appends to, reading only what is new.
struct LineCount {
    const char* path;
    long bytes;
    long lines;

    void Update() {
        std::FILE* f = std::fopen(path, "rb");
        if (f == nullptr) return;
        if (std::fseek(f, bytes, SEEK_SET) == 0) {
            char buffer[4096];
            std::size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
                bytes += static_cast<long>(n);
                for (std::size_t i = 0; i < n; ++i) lines += buffer[i] == '\n';
            }
        }
        std::fclose(f);
    }
};

// Waits until the file holds at least `lines` lines; false when it stopped growing for a minute.
bool AwaitLines(LineCount& count, long lines) {
    int still = 0;
    count.Update();
    while (count.lines < lines) {
        const timespec pause{0, kPollNanoseconds};
        nanosleep(&pause, nullptr);
        const long before = count.lines;
        count.Update();
        still = count.lines == before ? still + 1 : 0;
        if (still >= kStallPolls) {
            std::fprintf(stderr, "screen_grab: awaited line %ld of %s; it stopped at %ld\n", lines,
                         count.path, count.lines);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 9) {
        std::fprintf(stderr,
                     "usage: screen_grab <left> <top> <width> <height> <out.ppm>\n"
                     "       screen_grab <left> <top> <width> <height> <out prefix> <present log> <shots> "
                     "<frames apart>\n");
        return 2;
    }
    const Rectangle r{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4])};
    if (r.width <= 0 || r.height <= 0) {
        std::fprintf(stderr, "screen_grab: an empty rectangle\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "screen_grab: no X display\n");
        return 1;
    }
    bool ok = true;
    if (argc == 6) {
        ok = Grab(display, r, argv[5]);
    } else {
        LineCount log{argv[6], 0, 0};
        log.Update();
        const int shots = std::atoi(argv[7]);
        const long apart = std::atol(argv[8]);
        long next = log.lines;
        for (int i = 1; ok && i <= shots; ++i) {
            next += apart;
            ok = AwaitLines(log, next) && Grab(display, r, std::string(argv[5]) + std::to_string(i) + ".ppm");
        }
    }
    XCloseDisplay(display);
    return ok ? 0 : 1;
}
