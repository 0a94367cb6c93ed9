#include "archive/ResultCode.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace archive {
namespace {

std::string Raised(void (*check)(HRESULT), HRESULT code) {
    try {
        check(code);
    } catch (const fw::Exception& e) {
        return e.Message();
    }
    return "(none)";
}

TEST(ResultCode, RequireOkRaisesForAnythingButSOkAndRequireSucceededOnlyForFailures) {
    struct Case {
        HRESULT code;
        std::string requireOk;
        std::string requireSucceeded;
    };
    const Case cases[] = {
        {win::S_OK, "(none)", "(none)"},
        {win::S_FALSE, "Incorrect function", "(none)"},
        {win::E_FAIL, "Unspecified error", "Unspecified error"},
        {win::E_ABORT, "Operation aborted", "Operation aborted"},
        {win::MakeHResult(0x8123ABCD), "Archive library error 0x8123ABCD",
         "Archive library error 0x8123ABCD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(Raised(RequireOk, c.code), c.requireOk);
        EXPECT_EQ(Raised(RequireSucceeded, c.code), c.requireSucceeded);
    }
}

} // namespace
} // namespace archive
