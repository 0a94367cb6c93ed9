#include "platform/shell/ShellExecute.h"

#include "platform/shell/CommandLine.h"
#include "platform/shell/Process.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {

constexpr int kSuccess = 42;

HINSTANCE Result(int code) {
    return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(code));
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "http://...", "mailto:..."; a single letter before ':' would be a drive.
bool IsUrl(std::string_view file) {
    std::size_t colon = file.find(':');
    if (colon == std::string_view::npos || colon < 2 || !IsAsciiLetter(file[0])) {
        return false;
    }
    for (char c : file.substr(0, colon)) {
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

int ShellErrorFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return SE_ERR_FNF;
    case ENOTDIR:
        return SE_ERR_PNF;
    case EACCES:
    case EPERM:
        return SE_ERR_ACCESSDENIED;
    case ENOMEM:
    case EAGAIN:
        return SE_ERR_OOM;
    default:
        return SE_ERR_NOASSOC;
    }
}

HINSTANCE OpenWithDesktop(const std::string& target) {
    int error = StartDetachedProcess({"xdg-open", target}, {}, ProgramOutput::Discarded);
    return Result(error == 0        ? kSuccess
                  : error == ENOENT ? SE_ERR_NOASSOC
                                    : ShellErrorFromErrno(error));
}

HINSTANCE StartProgram(const std::string& program, std::string_view parameters,
                       const std::string& directory) {
    std::vector<std::string> argv{program};
    for (std::string& argument : SplitCommandLine(parameters)) {
        argv.push_back(std::move(argument));
    }
    int error = StartDetachedProcess(argv, directory, ProgramOutput::Inherited);
    return Result(error == 0 ? kSuccess : ShellErrorFromErrno(error));
}

// Verbs compare without regard to case, as the Windows shell compares them.
bool IsOpenVerb(std::string_view operation) {
    constexpr std::string_view open = "open";
    if (operation.empty())
        return true;
    if (operation.size() != open.size())
        return false;
    for (std::size_t i = 0; i < open.size(); ++i) {
        const char c = operation[i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != open[i])
            return false;
    }
    return true;
}

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

HINSTANCE ShellExecute(HWND, std::string_view operation, std::string_view file,
                       std::string_view parameters, std::string_view directory, INT) {
    if (!IsOpenVerb(operation)) {
        return Result(SE_ERR_NOASSOC);
    }
    if (file.empty()) {
        return Result(SE_ERR_FNF);
    }
    const std::string target(file);
    if (IsUrl(file)) {
        return OpenWithDesktop(target);
    }
    const std::string folder(directory);
    if (!folder.empty() && !IsDirectory(folder)) {
        return Result(SE_ERR_PNF);
    }
    struct stat info {};
    if (stat(target.c_str(), &info) != 0) {
        return Result(ShellErrorFromErrno(errno));
    }
    if (S_ISREG(info.st_mode) && access(target.c_str(), X_OK) == 0) {
        // Absolute: the program starts in another folder, and a bare name would be
        // searched in PATH; the file meant is the one found here.
        std::error_code ignored;
        return StartProgram(std::filesystem::absolute(target, ignored).string(), parameters,
                            folder);
    }
    return OpenWithDesktop(target);
}

std::string ShellExecuteErrorText(int result) {
    switch (result) {
    case SE_ERR_FNF:
        return "The system cannot find the file specified";
    case SE_ERR_PNF:
        return "The system cannot find the path specified";
    case SE_ERR_ACCESSDENIED:
        return "Access is denied";
    case SE_ERR_OOM:
        return "Not enough memory resources are available to process this command";
    case SE_ERR_NOASSOC:
        return "No application is associated with the specified file for this operation";
    default:
        return "Error " + std::to_string(result);
    }
}

} // namespace win
