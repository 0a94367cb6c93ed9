// Form definitions of any shape: the reader either builds the form or raises a
// filer error; it never crashes, overflows or loops.

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/gui/Form.h"
#include "framework/gui/FormReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

class TFuzzForm : public fw::TForm {
    FW_CLASS(TFuzzForm, fw::TForm)

    explicit TFuzzForm(fw::TComponent* owner) : fw::TForm(owner) {}
    void Handler(fw::TObject*) {}
};

} // namespace

const fw::TClassInfo& TFuzzForm::StaticClass() {
    static const fw::TClassInfo info = fw::TClassBuilder<TFuzzForm, fw::TForm>("TFuzzForm")
                                           .Method("Handler", &TFuzzForm::Handler)
                                           .Build();
    return info;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto form = fw::MakeComponent<TFuzzForm>();
    try {
        fw::ReadComponentDefinition(*form,
                                    std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const fw::EFilerError&) {
    }
    return 0;
}
