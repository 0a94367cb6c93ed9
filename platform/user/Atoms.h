#pragma once
// The atom table: case-insensitive strings mapped to 16-bit numbers from 0xC000,
// reference counted; integer atoms (below 0xC000) stand for themselves.

#include "platform/kernel/WinTypes.h"

#include <cstdint>

namespace win {

inline const char* MAKEINTATOM(ATOM atom) {
    return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(atom));
}

ATOM GlobalAddAtom(const char* name);
ATOM GlobalFindAtom(const char* name);
ATOM GlobalDeleteAtom(ATOM atom); // 0 on success, as Windows answers
UINT GlobalGetAtomName(ATOM atom, char* buffer, int size);

// One process: the local table is the global one.
inline ATOM AddAtom(const char* name) {
    return GlobalAddAtom(name);
}
inline ATOM FindAtom(const char* name) {
    return GlobalFindAtom(name);
}
inline ATOM DeleteAtom(ATOM atom) {
    return GlobalDeleteAtom(atom);
}
inline UINT GetAtomName(ATOM atom, char* buffer, int size) {
    return GlobalGetAtomName(atom, buffer, size);
}

} // namespace win
