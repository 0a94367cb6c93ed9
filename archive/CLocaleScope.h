#pragma once
// Pins the "C" locale for the calling thread while it lives. The library converts
// names stored without the UTF-8 flag with the thread's C-library locale; only in
// the "C" locale does every byte come back as the character of the same value, so
// the bytes can be recovered exactly (a UTF-8 locale turns stray bytes into
// U+EF00 + byte and loses information).

#include <locale.h>

namespace archive {

class TCLocaleScope {
public:
    TCLocaleScope();
    ~TCLocaleScope();
    TCLocaleScope(const TCLocaleScope&) = delete;
    TCLocaleScope& operator=(const TCLocaleScope&) = delete;

private:
    locale_t FPrevious;
};

} // namespace archive
