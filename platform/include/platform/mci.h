// The MIDI sequencer, driven by command strings. The commands understood are the ones the engine sends:
//   open "<path>" type sequencer alias <alias>
//   seek <alias> to start
//   play <alias> [notify]
//   stop <alias>
//   close <alias>
//   status <alias> mode          (answers "playing" or "stopped")
// With notify, the end of the piece posts MM_MCINOTIFY (wParam MCI_NOTIFY_SUCCESSFUL, lParam the device
// id) to the callback window through the message queue. A play, stop, seek or close that cuts a pending
// notification posts MCI_NOTIFY_SUPERSEDED (a new play) or MCI_NOTIFY_ABORTED instead.
#pragma once

#include "platform/types.h"

using MCIERROR = DWORD;

inline constexpr MCIERROR MCIERR_BASE = 256;
inline constexpr MCIERROR MCIERR_UNRECOGNIZED_KEYWORD = MCIERR_BASE + 3;
inline constexpr MCIERROR MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 5;
inline constexpr MCIERROR MCIERR_HARDWARE = MCIERR_BASE + 6;
inline constexpr MCIERROR MCIERR_INVALID_DEVICE_NAME = MCIERR_BASE + 7;
inline constexpr MCIERROR MCIERR_OUT_OF_MEMORY = MCIERR_BASE + 8;
inline constexpr MCIERROR MCIERR_PARAM_OVERFLOW = MCIERR_BASE + 12;
inline constexpr MCIERROR MCIERR_MISSING_PARAMETER = MCIERR_BASE + 17;
inline constexpr MCIERROR MCIERR_FILE_NOT_FOUND = MCIERR_BASE + 19;
inline constexpr MCIERROR MCIERR_DUPLICATE_ALIAS = MCIERR_BASE + 33;
inline constexpr MCIERROR MCIERR_INVALID_FILE = MCIERR_BASE + 40;

inline constexpr WPARAM MCI_NOTIFY_SUCCESSFUL = 0x0001;
inline constexpr WPARAM MCI_NOTIFY_SUPERSEDED = 0x0002;
inline constexpr WPARAM MCI_NOTIFY_ABORTED = 0x0004;
inline constexpr WPARAM MCI_NOTIFY_FAILURE = 0x0008;

// Runs one command. The answer of a status query goes to answer (answerSize characters with the
// terminator); an answer that does not fit gives MCIERR_PARAM_OVERFLOW. Returns 0 on success.
MCIERROR mciSendStringA(const char* command, char* answer, UINT answerSize, HWND callback);
