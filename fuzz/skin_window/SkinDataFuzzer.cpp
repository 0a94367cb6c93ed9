// Any bytes as an unpacked skin container (packed first, so the fuzzer works
// on the directory, the INI text and the bitmaps rather than the bit stream),
// loaded into a skin data component: the skin loads or the component stays
// Empty, and what loaded is consistent.

#include "framework/MemoryStream.h"
#include "skin/SkinMessageBox.h"
#include "skin/WinConvert.h"
#include "skin/WinSkinData.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto quiet = skin::SetSkinMessageBoxHandler([](const std::string&) {});
    fw::TMemoryStream container, file;
    container.WriteBuffer(data, static_cast<std::int64_t>(size));
    skin::Compress(container, file);
    file.SetPosition(0);

    const auto skinData = fw::MakeComponent<skin::TSkinData>();
    skinData->LoadFromStream(file);
    if (skinData->Empty)
        return 0;
    Check(skinData->BGBrush != nullptr);
    Check(skinData->Toolbar && skinData->comboxarrow && skinData->TrackBar);
    Check(skinData->SysBtn.size() >= 3);
    for (const auto& part : skinData->border)
        Check(part->frame >= 1);
    return 0;
}
