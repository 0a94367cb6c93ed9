// Any bytes as an INI text: loading, every lookup and an edit keep the section
// index in step with the lines.

#include "framework/MemoryStream.h"
#include "framework/StringList.h"
#include "skin/WinSkinIni.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fw::TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
    skin::TQuickIni ini;
    ini.LoadFromStream(&stream);

    fw::TStringList sections, keys;
    ini.ReadSections(&sections);
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string section = sections.Strings(i);
        ini.ReadSection(section, &keys);
        for (int k = 0; k < keys.Count(); ++k) {
            ini.ReadString(section, keys.Strings(k), "");
            ini.ReadInteger(section, keys.Strings(k), 0);
        }
    }
    if (sections.Count() > 0) {
        const std::string first = sections.Strings(0);
        ini.WriteString(first, "fuzzkey", "1");
        ini.DeleteKey(first, "fuzzkey");
        ini.EraseSection(first);
    }
    ini.WriteInteger("Fuzz", "value", 7);
    if (ini.ReadInteger("Fuzz", "value", 0) != 7)
        std::abort();

    // The index must match a rebuild from the lines.
    fw::TStringList before, after;
    ini.ReadSections(&before);
    ini.RebuildSections();
    ini.ReadSections(&after);
    if (!before.Equals(after))
        std::abort();
    return 0;
}
