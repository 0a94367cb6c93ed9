// Any bytes as an unpacked skin container (packed first, so the fuzzer works on
// the structure rather than the bit stream): the reader accepts it, refuses it
// with a clear error, or reports an unknown version; entries never come from
// outside the data area.

#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "skin/SkinMessageBox.h"
#include "skin/SkinRead.h"
#include "skin/WinConvert.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto quiet = skin::SetSkinMessageBoxHandler([](const std::string&) {});
    fw::TMemoryStream container, file;
    container.WriteBuffer(data, static_cast<std::int64_t>(size));
    skin::Compress(container, file);

    skin::TSkinReader reader;
    try {
        if (!reader.Loadfromstream(file))
            return 0;
    } catch (const skin::ESkinFileError&) {
        return 0;
    }
    fw::TMemoryStream entry;
    for (int i = 0; i < reader.Num(); ++i) {
        reader.readfile(reader.Dir().Strings(i), entry);
        if (entry.Size() > reader.ms().Size())
            std::abort();
    }
    std::string name;
    reader.readIni(".ini", entry, name);
    return 0;
}
