#pragma once
// Methods the library calls run inside the library's own frames, which must never
// be unwound by an exception: an exception becomes a failure code here, and is
// kept in failure (the first one only) so the caller of the library can raise it
// again once the library has returned.

#include "archive/SevenZipTypes.h"

#include <exception>
#include <new>

namespace archive {

template <class F> HRESULT GuardCallback(F&& action, std::exception_ptr* failure = nullptr) {
    try {
        return action();
    } catch (...) {
        if (failure != nullptr && *failure == nullptr)
            *failure = std::current_exception();
        try {
            throw;
        } catch (const std::bad_alloc&) {
            return win::E_OUTOFMEMORY;
        } catch (...) {
            return win::E_FAIL;
        }
    }
}

} // namespace archive
