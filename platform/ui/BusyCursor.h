#pragma once
// The hourglass over the whole application while a long operation runs: shown
// when the scope starts, taken back when it ends, by return or exception.
// Scopes nest. Without a GUI application it does nothing.
namespace platform {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_shown = false;
};

} // namespace platform
