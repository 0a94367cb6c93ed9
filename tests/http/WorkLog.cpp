#include "tests/http/WorkLog.h"

#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

const char* ModeText(TWorkMode mode) {
    return mode == TWorkMode::wmRead ? "read" : "write";
}

} // namespace

WorkLog::WorkLog(TNetComponent& component) {
    component.SetOnWorkBegin([this](fw::TObject*, TWorkMode mode, std::int64_t max) {
        FEvents.push_back(std::string("begin ") + ModeText(mode) + " " + std::to_string(max));
    });
    component.SetOnWork([this](fw::TObject*, TWorkMode mode, std::int64_t count) {
        FEvents.push_back(std::string("work ") + ModeText(mode) + " " + std::to_string(count));
    });
    component.SetOnWorkEnd([this](fw::TObject*, TWorkMode mode) {
        FEvents.push_back(std::string("end ") + ModeText(mode));
    });
}

std::string ExceptionClassName(const std::exception& e) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    std::string text = status == 0 ? name.get() : typeid(e).name();
    std::size_t colons = text.rfind("::");
    return colons == std::string::npos ? text : text.substr(colons + 2);
}
