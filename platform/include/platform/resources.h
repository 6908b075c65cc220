// The executable's resource table: named blobs compiled into the program.
#pragma once

#include <cstddef>

// Standard resource types are small integers passed in place of a type name.
inline const char* const RT_BITMAP_TYPE = reinterpret_cast<const char*>(2);
inline const char* const RT_ICON_TYPE = reinterpret_cast<const char*>(3);
inline const char* const RT_RCDATA_TYPE = reinterpret_cast<const char*>(10);

struct ResourceBlob {
    const unsigned char* data;
    std::size_t size;
};

// Adds a blob under (type, name); names compare without regard to case, as resource names do.
// Returns false when the table is full. Safe to call from static initialisers.
bool RegisterResource(const char* type, const char* name, const void* data, std::size_t size);
// Removes every blob registered under (type, name).
void UnregisterResource(const char* type, const char* name);
// Finds a blob; returns false when there is none.
bool FindResourceBlob(const char* type, const char* name, ResourceBlob* out);
