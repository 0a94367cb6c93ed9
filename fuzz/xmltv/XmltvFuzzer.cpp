// The XMLTV converter's input: any bytes, plain or gzip, read into a guide, and
// every channel named, filed and written out as schedule text in memory. A
// refused document is an EXmltvError; anything else is a fault, and so is a
// file name or schedule line the catalogue could not take.

#include "catalogue/Utf8Text.h"
#include "framework/MemoryStream.h"
#include "xmltv/ChannelCategory.h"
#include "xmltv/ChannelFileName.h"
#include "xmltv/XmltvConverter.h"
#include "xmltv/XmltvError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace {

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void CheckFileName(const std::string& name) {
    Check(name.size() <= 255 && name.size() > 4 && name.front() != '.' &&
          name.find_first_of(std::string_view("/\0", 2)) == std::string::npos &&
          catalogue::IsValidUtf8(name));
}

// UTF-8 lines, each ended by CR LF, with no other line break or NUL in them.
void CheckScheduleText(std::string_view text) {
    Check(text.substr(0, 3) == "\xEF\xBB\xBF" && catalogue::IsValidUtf8(text));
    text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        Check(end != std::string_view::npos);
        Check(text.substr(0, end).find_first_of(std::string_view("\r\n\0", 3)) ==
              std::string_view::npos);
        text.remove_prefix(end + 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fw::TMemoryStream document;
    document.WriteBuffer(data, static_cast<std::int64_t>(size));
    document.SetPosition(0);
    try {
        xmltv::XmltvGuide guide = xmltv::ReadXmltv(document, [](const std::string&) {});
        std::map<std::string_view, xmltv::FolderNames> folders;
        for (xmltv::Channel& channel : guide.channels) {
            std::vector<std::string> names = channel.displayNames;
            names.push_back(channel.id);
            xmltv::FolderNames& folder = folders[xmltv::ChannelCategory(names)];
            CheckFileName(xmltv::ChooseChannelFileName(names, folder));
            CheckScheduleText(xmltv::ScheduleFileText(channel).text);
        }
    } catch (const xmltv::EXmltvError&) {
    }
    return 0;
}
