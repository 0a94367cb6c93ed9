#include "app/PackageDownload.h"

#include "framework/Exception.h"
#include "framework/FileStream.h"
#include "platform/kernel/SystemMessage.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

std::string PackageRequestStamp(const std::tm& localTime) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d", localTime.tm_year + 1900,
                  localTime.tm_mon + 1, localTime.tm_mday, localTime.tm_hour, localTime.tm_min,
                  localTime.tm_sec);
    return stamp;
}

std::string PackageRequestAddress(std::string_view packageUrl, const std::tm& localTime) {
    return std::string(packageUrl) + "?" + PackageRequestStamp(localTime);
}

void CheckWholePackage(fw::TMemoryStream& body, std::int64_t contentLength) {
    const std::int64_t size = body.Size();
    if (size == 0 || (contentLength >= 0 && size != contentLength))
        throw fw::Exception(std::string(kIncompletePackage));
}

void SavePackage(fw::TMemoryStream& body, const std::string& path) {
    const std::string temporary = path + ".part";
    try {
        fw::TFileStream file(temporary, fw::fmCreate);
        file.WriteBuffer(body.Memory(), body.Size());
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const win::DWORD code = win::Win32ErrorFromErrno(errno);
        ::unlink(temporary.c_str());
        throw fw::EFCreateError("Cannot create file \"" + path + "\". " +
                                win::SystemMessageText(code));
    }
}
