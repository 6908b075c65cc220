// With QV_DUMP_DIR set, writes the shown screen as a PPM picture there, for a person to look at.
#pragma once

void DumpScreen(const char* name);
