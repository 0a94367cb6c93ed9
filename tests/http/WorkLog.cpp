#include "tests/http/WorkLog.h"

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
