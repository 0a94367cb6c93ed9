#include "archive/ResultCode.h"

#include "framework/Exception.h"
#include "framework/Format.h"
#include "platform/kernel/SystemMessage.h"

namespace archive {

std::string ResultCodeMessage(HRESULT code) {
    std::string text = win::SystemMessageText(static_cast<win::DWORD>(code));
    if (text.empty())
        text = fw::Format("Archive library error 0x%.8x", static_cast<unsigned>(code));
    return text;
}

void RequireOk(HRESULT code) {
    if (code != win::S_OK)
        throw fw::Exception(ResultCodeMessage(code));
}

void RequireSucceeded(HRESULT code) {
    if (win::FAILED(code))
        throw fw::Exception(ResultCodeMessage(code));
}

} // namespace archive
