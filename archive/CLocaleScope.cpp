#include "archive/CLocaleScope.h"

namespace archive {

namespace {

// One locale object for the process; it is never freed because any thread may
// still have it installed.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}

} // namespace

TCLocaleScope::TCLocaleScope() : FPrevious(uselocale(CLocale())) {}

TCLocaleScope::~TCLocaleScope() {
    uselocale(FPrevious);
}

} // namespace archive
