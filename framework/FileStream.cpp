#include "framework/FileStream.h"

#include "framework/ClassBuilder.h"
#include "framework/FileNames.h"
#include "framework/OSError.h"
#include "platform/kernel/SystemMessage.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

const TClassInfo& TFileStream::StaticClass() {
    static const TClassInfo info = TClassBuilder<TFileStream, THandleStream>("TFileStream").Build();
    return info;
}

namespace {

int OpenFlags(Word mode) {
    if ((mode & fmCreate) == fmCreate)
        return O_RDWR | O_CREAT | O_TRUNC;
    switch (mode & 0x3) {
    case fmOpenWrite:
        return O_WRONLY;
    case fmOpenReadWrite:
        return O_RDWR;
    default:
        return O_RDONLY;
    }
}

// Windows tells a missing folder on the way ("path not found") from a missing
// file; ENOENT covers both, so the folder is checked to give the same text.
std::string OpenErrorText(const std::string& fullPath) {
    const int error = errno;
    if (error == ENOENT) {
        struct stat folder {};
        if (::stat(ExtractFilePath(fullPath).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
            win::SetLastError(win::ERROR_PATH_NOT_FOUND);
            return win::SystemMessageText(win::ERROR_PATH_NOT_FOUND);
        }
    }
    errno = error;
    return LastOSErrorText();
}

// Windows refuses to open a folder as a file; open(2) lets a folder be read.
bool IsFolder(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}

THandle OpenFile(const std::string& fileName, Word mode) {
    const bool create = (mode & fmCreate) == fmCreate;
    const std::string fullPath = ExpandFileName(fileName);
    const int fd = ::open(fileName.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
    if (fd >= 0 && !IsFolder(fd))
        return fd;
    if (fd >= 0) {
        ::close(fd);
        errno = EISDIR;
    }
    const std::string reason = OpenErrorText(fullPath);
    if (create)
        RaiseFmt<EFCreateError>("Cannot create file \"%s\". %s", fullPath, reason);
    RaiseFmt<EFOpenError>("Cannot open file \"%s\". %s", fullPath, reason);
}

} // namespace

TFileStream::TFileStream(const std::string& fileName, Word mode)
    : THandleStream(OpenFile(fileName, mode)), FFileName(fileName),
      FShareMode((mode & fmCreate) == fmCreate ? fmShareExclusive : Word(mode & 0xF0)) {}

TFileStream::~TFileStream() {
    ::close(FHandle);
}

} // namespace fw
