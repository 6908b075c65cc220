// The program's resource table: the window icon.
#include "platform/resources.h"

namespace {

const unsigned char kMainIcon[] = {
#include "main_icon.inc"
};

struct ProgramResources {
    ProgramResources() { RegisterResource(RT_ICON_TYPE, "MAIN", kMainIcon, sizeof kMainIcon); }
};
ProgramResources gProgramResources;

}  // namespace
