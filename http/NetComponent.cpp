#include "http/NetComponent.h"

#include <exception>

void TNetComponent::BeginWork(TWorkMode AWorkMode, std::int64_t ASize) {
    if (FWorkTarget != nullptr) {
        FWorkTarget->BeginWork(AWorkMode, ASize);
        return;
    }
    TWorkInfo& info = Info(AWorkMode);
    if (++info.Level == 1) {
        info.CountMax = ASize;
        info.Count = 0;
        if (FOnWorkBegin) {
            FOnWorkBegin(this, AWorkMode, ASize);
        }
    }
}

void TNetComponent::DoWork(TWorkMode AWorkMode, std::int64_t ACount) {
    if (FWorkTarget != nullptr) {
        FWorkTarget->DoWork(AWorkMode, ACount);
        return;
    }
    TWorkInfo& info = Info(AWorkMode);
    if (info.Level < 1) {
        return;
    }
    info.Count += ACount;
    if (FOnWork) {
        FOnWork(this, AWorkMode, info.Count);
    }
}

void TNetComponent::EndWork(TWorkMode AWorkMode) {
    if (FWorkTarget != nullptr) {
        FWorkTarget->EndWork(AWorkMode);
        return;
    }
    TWorkInfo& info = Info(AWorkMode);
    if (info.Level == 1 && FOnWorkEnd) {
        FOnWorkEnd(this, AWorkMode);
    }
    --info.Level;
}

void TNetComponent::DoStatus(TNetStatus AStatus, const std::string& AText) {
    if (FOnStatus) {
        FOnStatus(this, AStatus, AText);
    }
}

TNetWorkScope::TNetWorkScope(TNetComponent& component, TWorkMode mode, std::int64_t size)
    : FComponent(component), FMode(mode), FUncaughtOnEntry(std::uncaught_exceptions()) {
    component.BeginWork(mode, size);
}

TNetWorkScope::~TNetWorkScope() noexcept(false) {
    if (std::uncaught_exceptions() == FUncaughtOnEntry) {
        FComponent.EndWork(FMode);
        return;
    }
    try {
        FComponent.EndWork(FMode);
    } catch (...) {
        // The failure already propagating is the one the caller must see.
    }
}
