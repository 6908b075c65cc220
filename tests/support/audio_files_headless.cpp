#include "platform/headless.h"
#include "support/audio_files.h"

void ScratchFolder::BecomeProgramFolder() const {
    headless::SetModuleFileName(Path() + "game800");
}
