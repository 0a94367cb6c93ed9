#pragma once
// Records a component's work events as text lines ("begin read 5", "work read 3",
// "end read"), the form the tests compare.

#include "http/NetComponent.h"
#include "http/NetException.h"

#include <string>
#include <vector>

class WorkLog {
public:
    explicit WorkLog(TNetComponent& component);
    const std::vector<std::string>& Events() const { return FEvents; }
    void Clear() { FEvents.clear(); }

private:
    std::vector<std::string> FEvents;
};
