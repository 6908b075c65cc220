// Clocks, sleeping, the single-instance mutex, the program's own path and the C runtime's generator.
#pragma once

#include <cstddef>

#include "platform/types.h"

BOOL QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency);
DWORD timeGetTime();
DWORD GetTickCount();
MMRESULT timeGetDevCaps(TIMECAPS* caps, UINT size);
MMRESULT timeBeginPeriod(UINT period);
MMRESULT timeEndPeriod(UINT period);
void Sleep(DWORD milliseconds);

// A named mutex: the first process to create a name owns it until it releases it or ends; a later
// creation of the same name still returns a handle, with GetLastError() == ERROR_ALREADY_EXISTS.
HANDLE CreateMutexA(void* attributes, BOOL initialOwner, const char* name);
BOOL ReleaseMutex(HANDLE mutex);
BOOL CloseHandle(HANDLE handle);
DWORD GetLastError();

// Writes the executable's full path (with '/' as the separator) into buffer; returns the number of
// characters written without the terminator, or size when the path was truncated to size - 1 characters.
DWORD GetModuleFileNameA(HINSTANCE module, char* buffer, DWORD size);

// The C runtime's generator and clock: a 15-bit linear congruential generator (RAND_MAX 32767), so one
// seed gives the same numbers on every machine. Kept apart from the host C library's rand and time.
namespace crt {
inline constexpr int RAND_MAX_VALUE = 32767;
int rand();
void srand(unsigned int seed);
// The generator's state, for whole-game state comparisons.
unsigned int randState();
long long time(long long* out);
}  // namespace crt
