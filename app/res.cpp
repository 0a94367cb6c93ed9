#include "app/res.h"

#include "framework/Exception.h"
#include "framework/FileNames.h"
#include "framework/OSError.h"
#include "framework/ResourceStream.h"
#include "platform/kernel/Module.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Removes the half-written file unless Keep() was called.
class TTemporaryFile {
public:
    explicit TTemporaryFile(std::string path) : FPath(std::move(path)) {}
    ~TTemporaryFile() {
        if (!FKept)
            ::unlink(FPath.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    const std::string& Path() const { return FPath; }
    void Keep() { FKept = true; }

private:
    std::string FPath;
    bool FKept = false;
};

// Creation failures name the file asked for, not the temporary one.
[[noreturn]] void RaiseCreateError(const std::string& fileName) {
    const std::string reason = fw::LastOSErrorText();
    fw::RaiseFmt<fw::EFCreateError>("Cannot create file \"%s\". %s", fw::ExpandFileName(fileName),
                                    reason);
}

void WriteAll(int fd, const char* bytes, std::int64_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw fw::EWriteError("Stream write error");
        bytes += written;
        size -= written;
    }
}

std::string TemporaryNameFor(const std::string& fileName) {
    return fileName + ".tmp-" + std::to_string(::getpid());
}

} // namespace

void SaveResourceToFile(const std::string& resourceName, const std::string& resourceType,
                        const std::string& fileName) {
    fw::TResourceStream resource(win::GetModuleHandle(nullptr), resourceName, resourceType);

    TTemporaryFile temporary(TemporaryNameFor(fileName));
    const int fd = ::open(temporary.Path().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        RaiseCreateError(fileName);
    try {
        WriteAll(fd, static_cast<const char*>(resource.Memory()), resource.Size());
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        throw fw::EWriteError("Stream write error");
    if (::rename(temporary.Path().c_str(), fileName.c_str()) != 0)
        RaiseCreateError(fileName);
    temporary.Keep();
}
