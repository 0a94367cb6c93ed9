#pragma once
// The framework's plain event: a handler told which object raised it.

#include <functional>

namespace fw {

class TObject;
using TNotifyEvent = std::function<void(TObject* sender)>;

} // namespace fw
