#include "app/PackageFiller.h"

#include "archive/Unit_sevenzip.h"
#include "framework/FileStream.h"
#include "xmltv/DocumentBytes.h"
#include "xmltv/XmltvConverter.h"

namespace {

// Enough for a byte-order mark and white space before the markup.
constexpr std::int64_t kHeadSize = 512;

bool HoldsXmltv(fw::TStream& package) {
    std::string head(kHeadSize, '\0');
    const std::int64_t got = package.Read(head.data(), kHeadSize);
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    package.SetPosition(0);
    return xmltv::LooksLikeXmltv(head);
}

} // namespace

TCatalogueFiller PackageFiller(const std::string& packagePath, const std::string& archiveLibrary) {
    return [packagePath, archiveLibrary](const std::string& staging) {
        {
            fw::TFileStream package(packagePath, fw::fmOpenRead | fw::fmShareDenyWrite);
            if (HoldsXmltv(package)) {
                xmltv::FillCatalogueFolder(package, staging, {});
                return;
            }
        }
        const auto reader = archive::CreateInArchive(archive::ZipHandlerClassId, archiveLibrary);
        reader->OpenFile(packagePath);
        reader->ExtractTo(staging);
    };
}
