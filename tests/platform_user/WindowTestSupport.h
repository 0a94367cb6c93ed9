#pragma once
// Shared pieces of the window-manager tests: a headless display with a test
// clock, a window procedure that records the messages a subclassing skinner
// would see, and a fixture that leaves no window behind.

#include "platform/backend/headless/TestDisplay.h"
#include "platform/user/Painting.h"
#include "platform/user/WinUser.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace win::test {

// Messages worth recording (mouse moves and hit tests are noise unless asked).
std::string MessageName(UINT message);

class MessageLog {
public:
    static MessageLog& Get();
    void Name(HWND hwnd, const std::string& name) { names_[hwnd] = name; }
    void Record(HWND hwnd, UINT message);
    std::vector<std::string> Take();
    void Clear() { entries_.clear(); }
    void RecordNoise(bool on) { noise_ = on; }

private:
    std::map<HWND, std::string> names_;
    std::vector<std::string> entries_;
    bool noise_ = false;
};

// Records "name:WM_..." then answers with DefWindowProc.
LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class WindowTest : public ::testing::Test {
protected:
    static constexpr const char* kClass = "TelvoraTestWindow";

    void SetUp() override;
    void TearDown() override;

    HWND Create(const std::string& name, DWORD style, RECT r, HWND parent = nullptr,
                DWORD exStyle = 0, const char* className = kClass);
    std::vector<std::string> Log() { return MessageLog::Get().Take(); }

    headless::TestDisplay* display = nullptr;
};

} // namespace win::test
