#include "platform/resources.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kMaxResources = 64;
constexpr std::size_t kMaxNameLength = 63;

struct Entry {
    bool used;
    std::uintptr_t typeId;  // non-zero for the numbered standard types
    char typeName[kMaxNameLength + 1];
    char name[kMaxNameLength + 1];
    const unsigned char* data;
    std::size_t size;
};

constinit Entry gEntries[kMaxResources] = {};

bool IsNumbered(const char* type) {
    return reinterpret_cast<std::uintptr_t>(type) < 0x10000;
}

bool SameText(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

bool Matches(const Entry& e, const char* type, const char* name) {
    if (!e.used || type == nullptr || name == nullptr) return false;
    if (IsNumbered(type)) {
        if (e.typeId != reinterpret_cast<std::uintptr_t>(type)) return false;
    } else if (e.typeId != 0 || !SameText(e.typeName, type)) {
        return false;
    }
    return SameText(e.name, name);
}

}  // namespace

bool RegisterResource(const char* type, const char* name, const void* data, std::size_t size) {
    if (type == nullptr || name == nullptr || data == nullptr) return false;
    if (std::strlen(name) > kMaxNameLength) return false;
    if (!IsNumbered(type) && std::strlen(type) > kMaxNameLength) return false;
    for (Entry& e : gEntries) {
        if (e.used) continue;
        e = Entry{};
        if (IsNumbered(type)) {
            e.typeId = reinterpret_cast<std::uintptr_t>(type);
        } else {
            std::strcpy(e.typeName, type);
        }
        std::strcpy(e.name, name);
        e.data = static_cast<const unsigned char*>(data);
        e.size = size;
        e.used = true;
        return true;
    }
    return false;
}

void UnregisterResource(const char* type, const char* name) {
    for (Entry& e : gEntries) {
        if (Matches(e, type, name)) e = Entry{};
    }
}

bool FindResourceBlob(const char* type, const char* name, ResourceBlob* out) {
    for (const Entry& e : gEntries) {
        if (!Matches(e, type, name)) continue;
        if (out != nullptr) *out = ResourceBlob{e.data, e.size};
        return true;
    }
    return false;
}
