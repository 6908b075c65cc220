#pragma once

#include "platform/resources.h"
#include "platform/types.h"

namespace platform_common {
// The program path GetModuleFileNameA reports instead of the real one; empty restores the real one.
void SetModulePathOverride(const char* path);
// The image data behind an icon handle.
bool IconBlob(HICON icon, ResourceBlob* out);
}  // namespace platform_common
