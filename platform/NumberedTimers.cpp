#include "platform/NumberedTimers.h"

#include "platform/HandlerGuard.h"

#include <QObject>
#include <QTimerEvent>
#include <map>

namespace platform {

// Qt numbers its timers itself; the receiver maps them to the owner's numbers.
class QtNumberedTimers::Receiver final : public QObject {
public:
    explicit Receiver(std::function<void(int)> fire) : m_fire(std::move(fire)) {}

    void set(int id, std::chrono::milliseconds interval)
    {
        kill(id);
        const int qtId = startTimer(std::max(interval, std::chrono::milliseconds(0)));
        if (qtId != 0)
            m_byId[id] = qtId;
    }

    void kill(int id)
    {
        const auto it = m_byId.find(id);
        if (it == m_byId.end())
            return;
        QObject::killTimer(it->second);
        m_byId.erase(it);
    }

    bool isSet(int id) const { return m_byId.count(id) != 0; }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        for (const auto &[id, qtId] : m_byId) {
            if (qtId == event->timerId()) {
                const int fired = id; // the handler may kill or set timers
                guarded([&] { m_fire(fired); });
                return;
            }
        }
    }

private:
    std::function<void(int)> m_fire;
    std::map<int, int> m_byId;
};

QtNumberedTimers::QtNumberedTimers()
    : m_receiver(std::make_unique<Receiver>([this](int id) { fire(id); }))
{
}

QtNumberedTimers::~QtNumberedTimers() = default;

void QtNumberedTimers::setTimer(int id, std::chrono::milliseconds interval) { m_receiver->set(id, interval); }

void QtNumberedTimers::killTimer(int id) { m_receiver->kill(id); }

bool QtNumberedTimers::isTimerSet(int id) const { return m_receiver->isSet(id); }

} // namespace platform
