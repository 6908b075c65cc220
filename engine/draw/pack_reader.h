// The picture pack file: records of width, height (16-bit little-endian), a zero-terminated upper-case
// name of at most 127 characters, and width x height 16-bit X1R5G5B5 pixels, row by row from the top.
#pragma once

#include <cstdint>
#include <cstdio>

namespace elDraw {

inline constexpr int kPackNameMax = 127;

struct PackRecord {
    int width;
    int height;
    char name[kPackNameMax + 1];
};

// Reads records from the file's current position until one is named `upperName`. On success the file
// stands at that record's pixels, and all of them lie inside the file. False at the end of the file, at
// a short read, at a name without its terminator within 127 characters, or at pixels running past the
// end.
bool FindPackRecord(std::FILE* file, const char* upperName, PackRecord* record);

// Channel places of the screen's pixel format (where a 5-bit value goes).
struct PackShifts {
    int red;
    int green;
    int blue;
};

// Reads the record's pixels into rows of `pitch` pixels, each converted to the screen's format.
// False at a short read.
bool ReadPackPixels(std::FILE* file, const PackRecord& record, std::uint16_t* rows, int pitch,
                    const PackShifts& shifts);

}  // namespace elDraw
