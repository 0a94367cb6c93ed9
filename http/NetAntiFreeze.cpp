#include "http/NetAntiFreeze.h"

#include "framework/ClassBuilder.h"
#include "http/NetException.h"

#include <thread>

namespace {

TNetAntiFreezeBase* gCurrentPump = nullptr;

// Static initialisation runs on the thread that starts the program.
const std::thread::id gMainThreadId = std::this_thread::get_id();

TNetAntiFreeze::TDispatchProc gProcessMessages;
TNetAntiFreeze::TDispatchProc gHandleOneMessage;

} // namespace

TNetAntiFreezeBase::TNetAntiFreezeBase(fw::TComponent* AOwner) : TNetBaseComponent(AOwner) {
    if (gCurrentPump != nullptr) {
        throw ENetAntiFreezeOnlyOne();
    }
    gCurrentPump = this;
}

TNetAntiFreezeBase::~TNetAntiFreezeBase() {
    if (gCurrentPump == this) {
        gCurrentPump = nullptr;
    }
}

TNetAntiFreezeBase* TNetAntiFreezeBase::Current() {
    return gCurrentPump;
}

bool TNetAntiFreezeBase::ShouldUse() {
    // The thread test comes first: other threads never look at the pump.
    return std::this_thread::get_id() == gMainThreadId && gCurrentPump != nullptr &&
           gCurrentPump->Active();
}

void TNetAntiFreezeBase::DoProcess(bool AIdle, bool AOverride) {
    if (ShouldUse() && (AIdle || !gCurrentPump->OnlyWhenIdle() || AOverride)) {
        gCurrentPump->Process();
    }
}

void TNetAntiFreeze::SetDispatchers(TDispatchProc processMessages, TDispatchProc handleOneMessage) {
    gProcessMessages = std::move(processMessages);
    gHandleOneMessage = std::move(handleOneMessage);
}

void TNetAntiFreeze::Process() {
    const TDispatchProc& dispatch = ApplicationHasPriority() ? gProcessMessages : gHandleOneMessage;
    if (dispatch) {
        dispatch();
    }
}

const fw::TClassInfo& TNetAntiFreeze::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TNetAntiFreeze, TNetAntiFreezeBase>("TNetAntiFreeze")
            .Property("Active", &TNetAntiFreeze::Active, &TNetAntiFreeze::SetActive)
            .Property("ApplicationHasPriority", &TNetAntiFreeze::ApplicationHasPriority,
                      &TNetAntiFreeze::SetApplicationHasPriority)
            .Property("IdleTimeOut", &TNetAntiFreeze::IdleTimeOut, &TNetAntiFreeze::SetIdleTimeOut)
            .Property("OnlyWhenIdle", &TNetAntiFreeze::OnlyWhenIdle,
                      &TNetAntiFreeze::SetOnlyWhenIdle)
            .Build();
    return info;
}
