// What the program's entry asks of the SDL backend's text before anything else, without SDL's headers.
#pragma once

namespace sdl_backend {

// Brings up SDL's video, then starts reading the system's font configuration on a thread of its own,
// for the first text to find ready; text waits for it. Without this call the first text reads it.
void StartFontDiscovery();

}  // namespace sdl_backend
