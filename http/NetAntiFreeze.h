#pragma once
// The message pump for blocking network calls: while a call waits, the network
// code offers the process-wide current pump turns, and each turn dispatches the
// GUI thread's pending window messages so the window stays alive.

#include "framework/Component.h"

#include <cstdint>
#include <functional>

class TNetBaseComponent : public fw::TComponent {
public:
    using fw::TComponent::TComponent;
};

class TNetAntiFreezeBase : public TNetBaseComponent {
public:
    // Raises ENetException "Only one TNetAntiFreeze can exist per application."
    // when a current pump exists; otherwise this becomes the current pump.
    explicit TNetAntiFreezeBase(fw::TComponent* AOwner);
    ~TNetAntiFreezeBase() override;

    // A current pump exists, it is active, and the caller is the main thread.
    static bool ShouldUse();
    static void DoProcess(bool AIdle = true, bool AOverride = false);
    // The current pump, or none.
    static TNetAntiFreezeBase* Current();

    virtual void Process() = 0;

    bool Active() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    bool ApplicationHasPriority() const { return FApplicationHasPriority; }
    void SetApplicationHasPriority(bool value) { FApplicationHasPriority = value; }
    std::int32_t IdleTimeOut() const { return FIdleTimeOut; }
    void SetIdleTimeOut(std::int32_t value) { FIdleTimeOut = value; }
    bool OnlyWhenIdle() const { return FOnlyWhenIdle; }
    void SetOnlyWhenIdle(bool value) { FOnlyWhenIdle = value; }

private:
    bool FActive = true;
    bool FApplicationHasPriority = true;
    std::int32_t FIdleTimeOut = 250;
    bool FOnlyWhenIdle = true;
};

// The published component, as a form definition names it.
class TNetAntiFreeze : public TNetAntiFreezeBase {
    FW_CLASS(TNetAntiFreeze, TNetAntiFreezeBase)

    // How a turn reaches the GUI thread's queue: the application's step that
    // dispatches every pending message, and one that dispatches the first pending
    // message when there is one. The application installs them at start.
    using TDispatchProc = std::function<void()>;
    static void SetDispatchers(TDispatchProc processMessages, TDispatchProc handleOneMessage);

    using TNetAntiFreezeBase::TNetAntiFreezeBase;

    void Process() override;
};
