#include "platform/kernel/Library.h"

#include "platform/kernel/Module.h"
#include "platform/kernel/SystemMessage.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using namespace win;
namespace fs = std::filesystem;

using AnswerFunction = int (*)();

int CallAnswer(HMODULE module) {
    FARPROC proc = GetProcAddress(module, "telvora_test_answer");
    return proc == nullptr ? -1 : reinterpret_cast<AnswerFunction>(proc)();
}

TEST(Library, LoadsByPathFindsEntryPointsAndReleases) {
    HMODULE module = LoadLibrary(TEST_PLUGIN_PATH);
    ASSERT_NE(module, nullptr) << LibraryLoadError();
    EXPECT_EQ(CallAnswer(module), 42);
    EXPECT_EQ(fs::canonical(GetModuleFileName(module)), fs::canonical(TEST_PLUGIN_PATH));
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(Library, MissingEntryPointIsReported) {
    HMODULE module = LoadLibrary(TEST_PLUGIN_PATH);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetProcAddress(module, "NoSuchEntryPoint"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_NE(LibraryLoadError().find("NoSuchEntryPoint"), std::string::npos);
    FreeLibrary(module);
}

TEST(Library, MissingOrInvalidFilesAreReported) {
    const fs::path folder = fs::path(testing::TempDir()) / ("library-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path notALibrary = folder / "plain.so";
    FILE* f = fopen(notALibrary.c_str(), "w");
    fputs("not an ELF file", f);
    fclose(f);
    for (const std::string& path : {(folder / "missing.so").string(), notALibrary.string()}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(LoadLibrary(path), nullptr) << path;
        EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
        EXPECT_FALSE(LibraryLoadError().empty());
    }
    fs::remove_all(folder);
}

TEST(Library, LoadsAreCounted) {
    HMODULE first = LoadLibrary(TEST_PLUGIN_PATH);
    HMODULE second = LoadLibrary(TEST_PLUGIN_PATH);
    ASSERT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(CallAnswer(second), 42);
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(Library, BareNameIsFoundInTheCurrentDirectory) {
    const fs::path folder = fs::path(testing::TempDir()) / ("bare-" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::copy_file(TEST_PLUGIN_PATH, folder / "plugin-copy.dll");
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    HMODULE module = LoadLibrary("plugin-copy.dll");
    fs::current_path(previous);
    ASSERT_NE(module, nullptr) << LibraryLoadError();
    EXPECT_EQ(CallAnswer(module), 42);
    EXPECT_EQ(fs::canonical(GetModuleFileName(module)), fs::canonical(folder / "plugin-copy.dll"));
    FreeLibrary(module);
    fs::remove_all(folder);
}

TEST(Library, ExecutableModuleIsNamedByItsPath) {
    EXPECT_EQ(fs::path(GetModuleFileName(nullptr)), fs::canonical("/proc/self/exe"));
    EXPECT_EQ(GetModuleHandle("other"), nullptr);
}

} // namespace
