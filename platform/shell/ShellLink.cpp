#include "platform/shell/ShellLink.h"

#include "platform/kernel/SystemMessage.h"
#include "platform/shell/DesktopEntry.h"
#include "platform/shell/Process.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {

namespace fs = std::filesystem;

constexpr DWORD kTrustTimeLimitMs = 3000;

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != suffix[i]) {
            return false;
        }
    }
    return true;
}

HRESULT LastErrnoResult() {
    return HRESULT_FROM_WIN32(Win32ErrorFromErrno(errno));
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes a temporary file beside the destination, then renames it over the
// destination: a reader sees the old file or the new one, never half of one.
HRESULT ReplaceFileAtomically(const std::string& path, std::string_view text) {
    fs::path destination(path);
    std::string temporary =
        (destination.parent_path() / ("." + destination.filename().string() + ".XXXXXX")).string();
    int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return LastErrnoResult();
    }
    bool written = WriteAll(fd, text) && fchmod(fd, 0755) == 0 && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        if (written) {
            error = errno;
        }
        unlink(temporary.c_str());
        return HRESULT_FROM_WIN32(Win32ErrorFromErrno(error));
    }
    return S_OK;
}

// Best effort: without a session bus or gio the entry is still written.
void MarkTrusted(const std::string& path) {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (bus == nullptr || *bus == '\0') {
        return;
    }
    RunProcessWithTimeLimit({"gio", "set", "-t", "string", path, "metadata::trusted", "true"},
                            kTrustTimeLimitMs);
}

} // namespace

HRESULT ShellLink::SetPath(std::string_view target) {
    target_ = target;
    return S_OK;
}

HRESULT ShellLink::GetPath(std::string* target) const {
    if (target == nullptr) {
        return E_POINTER;
    }
    *target = target_;
    return target_.empty() ? S_FALSE : S_OK;
}

HRESULT ShellLink::SetWorkingDirectory(std::string_view folder) {
    workingFolder_ = folder;
    return S_OK;
}

HRESULT ShellLink::SetDescription(std::string_view description) {
    description_ = description;
    return S_OK;
}

HRESULT ShellLink::SetIconLocation(std::string_view iconPath, int) {
    icon_ = iconPath;
    return S_OK;
}

std::string ShellLink::DesktopFileNameFor(std::string_view linkPath) {
    std::string name(linkPath);
    if (EndsWithIgnoringCase(name, ".lnk")) {
        name.resize(name.size() - 4);
        name += ".desktop";
    }
    return name;
}

std::string ShellLink::IconFor() const {
    if (!icon_.empty()) {
        return icon_;
    }
    fs::path target(target_);
    for (const char* extension : {".png", ".svg", ".xpm"}) {
        fs::path picture = target.parent_path() / (target.stem().string() + extension);
        std::error_code error;
        if (fs::is_regular_file(picture, error)) {
            return fs::absolute(picture, error).string();
        }
    }
    return target.stem().string();
}

HRESULT ShellLink::Save(std::string_view fileName, BOOL) {
    if (target_.empty() || fileName.empty()) {
        return E_INVALIDARG;
    }
    const std::string path = DesktopFileNameFor(fileName);
    DesktopEntry entry;
    entry.name = fs::path(path).stem().string();
    entry.comment = description_;
    entry.program = target_;
    entry.workingFolder = workingFolder_;
    entry.icon = IconFor();
    entry.categories = "AudioVideo;TV;";
    HRESULT result = ReplaceFileAtomically(path, entry.Text());
    if (SUCCEEDED(result)) {
        MarkTrusted(path);
    }
    return result;
}

} // namespace win
