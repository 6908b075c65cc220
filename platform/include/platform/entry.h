// The program's entry, as the game defines it; the backend's main calls it.
#pragma once

#include "platform/types.h"

int WinMain(HINSTANCE instance, HINSTANCE previousInstance, char* commandLine, int showCommand);
