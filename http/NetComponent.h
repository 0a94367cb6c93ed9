#pragma once
// The common base of connections and socket handlers: status and work events,
// with nested begin-end pairs counted so only the outermost pair reports.

#include "http/NetAntiFreeze.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

enum class TWorkMode { wmRead, wmWrite };

enum class TNetStatus {
    hsResolving,
    hsConnecting,
    hsConnected,
    hsDisconnecting,
    hsDisconnected,
    hsStatusText,
    ftpTransfer,
    ftpReady,
    ftpAborted
};

using TWorkBeginEvent =
    std::function<void(fw::TObject* ASender, TWorkMode AWorkMode, std::int64_t AWorkCountMax)>;
using TWorkEvent =
    std::function<void(fw::TObject* ASender, TWorkMode AWorkMode, std::int64_t AWorkCount)>;
using TWorkEndEvent = std::function<void(fw::TObject* ASender, TWorkMode AWorkMode)>;
using TNetStatusEvent =
    std::function<void(fw::TObject* ASender, TNetStatus AStatus, const std::string& AStatusText)>;

class TNetComponent : public TNetBaseComponent {
public:
    using TNetBaseComponent::TNetBaseComponent;

    void BeginWork(TWorkMode AWorkMode, std::int64_t ASize = 0);
    void DoWork(TWorkMode AWorkMode, std::int64_t ACount);
    void EndWork(TWorkMode AWorkMode);

    // Every work call is forwarded unchanged to the target when one is set.
    TNetComponent* WorkTarget() const { return FWorkTarget; }
    void SetWorkTarget(TNetComponent* target) { FWorkTarget = target; }

    const TWorkBeginEvent& OnWorkBegin() const { return FOnWorkBegin; }
    void SetOnWorkBegin(TWorkBeginEvent handler) { FOnWorkBegin = std::move(handler); }
    const TWorkEvent& OnWork() const { return FOnWork; }
    void SetOnWork(TWorkEvent handler) { FOnWork = std::move(handler); }
    const TWorkEndEvent& OnWorkEnd() const { return FOnWorkEnd; }
    void SetOnWorkEnd(TWorkEndEvent handler) { FOnWorkEnd = std::move(handler); }
    const TNetStatusEvent& OnStatus() const { return FOnStatus; }
    void SetOnStatus(TNetStatusEvent handler) { FOnStatus = std::move(handler); }

protected:
    void DoStatus(TNetStatus AStatus, const std::string& AText = {});

private:
    struct TWorkInfo {
        std::int64_t Count = 0;
        std::int64_t CountMax = 0;
        std::int32_t Level = 0;
    };
    TWorkInfo& Info(TWorkMode mode) { return FWorkInfos[static_cast<std::size_t>(mode)]; }

    std::array<TWorkInfo, 2> FWorkInfos;
    TNetComponent* FWorkTarget = nullptr;
    TWorkBeginEvent FOnWorkBegin;
    TWorkEvent FOnWork;
    TWorkEndEvent FOnWorkEnd;
    TNetStatusEvent FOnStatus;
};

// Begins work on construction and ends it on destruction, so a failing read
// still fires its end event. An end handler that throws while a read failure is
// already on its way is ignored; otherwise its exception propagates.
class TNetWorkScope {
public:
    TNetWorkScope(TNetComponent& component, TWorkMode mode, std::int64_t size);
    TNetWorkScope(const TNetWorkScope&) = delete;
    TNetWorkScope& operator=(const TNetWorkScope&) = delete;
    ~TNetWorkScope() noexcept(false);

private:
    TNetComponent& FComponent;
    TWorkMode FMode;
    int FUncaughtOnEntry;
};
