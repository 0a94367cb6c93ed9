#pragma once
// The single-instance guard: the named mutex "Telvora", held by the running
// instance until its process ends.

#include "platform/kernel/WinTypes.h"

#include <string_view>

inline constexpr std::string_view kInstanceMutexName = "Telvora";

// How long an update start waits for the ending instance to let the mutex go:
// the update command starts the new instance before the old one has ended.
inline constexpr win::DWORD kUpdateStartWaitMilliseconds = 10000;

// Takes the named mutex, waiting at most waitMilliseconds while another process
// holds it. The handle returned is never closed: the process end releases the
// mutex. nullptr when this instance must end (mutex held elsewhere, or not
// creatable).
win::HANDLE TakeInstanceMutex(std::string_view name, win::DWORD waitMilliseconds);
