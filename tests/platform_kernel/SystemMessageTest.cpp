#include "platform/kernel/SystemMessage.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace win;

TEST(SystemMessage, TextsForTheCodesTheProgramMeets) {
    const struct {
        DWORD code;
        const char* text;
    } cases[] = {
        {S_OK, "The operation completed successfully"},
        {S_FALSE, "Incorrect function"},
        {DWORD(E_FAIL), "Unspecified error"},
        {DWORD(E_NOTIMPL), "Not implemented"},
        {DWORD(E_NOINTERFACE), "No such interface supported"},
        {DWORD(E_ABORT), "Operation aborted"},
        {DWORD(E_OUTOFMEMORY), "Not enough memory resources are available to complete this "
                               "operation"},
        {DWORD(E_INVALIDARG), "The parameter is incorrect"},
        {DWORD(STG_E_INVALIDFUNCTION), "Unable to perform requested operation"},
        {DWORD(CLASS_E_CLASSNOTAVAILABLE), "ClassFactory cannot supply requested class"},
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified"},
        {DWORD(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)), "The system cannot find the file "
                                                          "specified"},
        {ERROR_ACCESS_DENIED, "Access is denied"},
        {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists"},
        {WSAECONNREFUSED, "No connection could be made because the target machine actively "
                          "refused it"},
        {ERROR_ERRNO_BASE + ELOOP, "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemMessageText(c.code), c.text) << std::hex << c.code;
    }
}

TEST(SystemMessage, UnknownCodesGiveEmptyText) {
    for (DWORD code : {DWORD(0x12345678), DWORD(0x8007FFFF), DWORD(0xDEAD), DWORD(0x80049999),
                       ERROR_ERRNO_BASE + 9999}) {
        EXPECT_EQ(SystemMessageText(code), "") << std::hex << code;
    }
}

TEST(SystemMessage, ErrnoMapsToWindowsCodesWhereWindowsHasOne) {
    const struct {
        int error;
        DWORD code;
    } cases[] = {
        {0, ERROR_SUCCESS},
        {ENOENT, ERROR_FILE_NOT_FOUND},
        {EACCES, ERROR_ACCESS_DENIED},
        {EEXIST, ERROR_FILE_EXISTS},
        {ENOSPC, ERROR_DISK_FULL},
        {ECONNREFUSED, WSAECONNREFUSED},
        {ETIMEDOUT, WSAETIMEDOUT},
        {ELOOP, ERROR_ERRNO_BASE + ELOOP},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Win32ErrorFromErrno(c.error), c.code) << "errno " << c.error;
    }
}

TEST(SystemMessage, LastErrorBelongsToEachThread) {
    EXPECT_EQ(SetLastErrorFromErrno(ENOENT), ERROR_FILE_NOT_FOUND);
    DWORD seenByOtherThread = 1;
    std::thread([&] { seenByOtherThread = GetLastError(); }).join();
    EXPECT_EQ(seenByOtherThread, ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

} // namespace
