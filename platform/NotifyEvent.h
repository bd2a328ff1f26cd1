#pragma once
// An event handler that gets the object that raised the event, as the
// windows' handlers expect (Btn_Click dispatches by its sender).
#include <functional>

class QObject;

namespace platform {

using TNotifyEvent = std::function<void(QObject *Sender)>;

} // namespace platform
