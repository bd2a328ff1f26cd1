#pragma once
// The Scan & Decode window over an engine on a virtual clock, wired to a
// simulated converter in process or over UDP on loopback, with the result
// lists of its own; message boxes recorded and answered by the test.
#include "controls/dropdown/LbButton.h"
#include "controls/grid/model/ExCGrid.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "scan/dialogs/ScanDecodeDialog.h"
#include "support/EventLoop.h"
#include "support/GuiFixture.h"
#include "support/ManualScanClock.h"
#include "support/SimulatedConverter.h"

#include <QComboBox>
#include <QLineEdit>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace scandialogtest {

using namespace std::chrono_literals;

// Holds the engine in its n-th pause until the test lets it go (at most
// 30 s, so that a failing test cannot hang).
class PauseHold {
public:
    explicit PauseHold(int at) : m_at(at) {}

    bool pause()
    {
        std::unique_lock lock(m_mutex);
        if (++m_pauses != m_at)
            return true;
        m_held = true;
        m_changed.notify_all();
        m_changed.wait_for(lock, 30s, [this] { return m_released; });
        return true;
    }
    bool waitHeld()
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 30s, [this] { return m_held; });
    }
    void release()
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_at;
    int m_pauses = 0;
    bool m_held = false;
    bool m_released = false;
};

class ScanDialogTest : public guitest::AppFolderTest {
protected:
    ~ScanDialogTest() override
    {
        hold.release();
        dialog.reset();
    }

    // The engine is held in its 40th pause, midway through a scan.
    testsupport::ManualScanClock::OnPause holdMidway()
    {
        return [this](std::chrono::milliseconds) { return hold.pause(); };
    }

    // The window with its engine reaching the converter in process, or
    // through `transports`; `onPause` runs in every pause of the engine.
    void makeDialog(int formType = 0, scan::TransportFactory transports = {},
                    testsupport::ManualScanClock::OnPause onPause = {})
    {
        createDialog(formType, std::move(transports), std::move(onPause));
        dialog->show();
        setAddress(QStringLiteral("127.0.0.1"));
    }

    // The window, not yet shown.
    void createDialog(int formType = 0, scan::TransportFactory transports = {},
                      testsupport::ManualScanClock::OnPause onPause = {})
    {
        converter.setClock(&clock);
        scan::ScanEngineSetup setup;
        setup.clock = &clock;
        setup.transports = transports ? std::move(transports) : testsupport::inProcess(converter);
        setup.slaves = &slaves;
        setup.meters = &meters;
        clock.setOnPause(std::move(onPause));
        dialog = std::make_unique<scan::TFScanDecode>(nullptr, std::move(setup));
        dialog->Form_Type = formType;
    }

    template <class T>
    T *child(const char *name) const
    {
        T *found = dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    controls::TLbButton *button(const char *name) const { return child<controls::TLbButton>(name); }
    void click(const char *name) const { button(name)->Click(); }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QComboBox *list(const char *name) const { return child<QComboBox>(name); }
    vtree::TLazyStringTreeWidget *tree(const char *name) const
    {
        return dynamic_cast<vtree::TLazyStringTreeWidget *>(child<QAbstractScrollArea>(name));
    }
    controls::TExColumnGrid *grid() const { return child<controls::TExColumnGrid>("ESG_Wireless"); }

    void setAddress(const QString &address) const
    {
        const QStringList parts = address.split(u'.');
        const char *names[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
        for (int i = 0; i < 4; ++i)
            edit(names[i])->setText(parts.value(i));
    }

    // Waits for the scan's end and its last reports, then lets the watch
    // timer notice it.
    void finishScan()
    {
        ASSERT_TRUE(dialog->engine().waitUntilIdle(60s)) << "the scan did not end";
        QCoreApplication::processEvents();
        dialog->T_InScanTimer();
    }

    testsupport::ManualScanClock clock;
    testsupport::SimulatedConverter converter;
    scan::TSlaveMBusList slaves;
    scan::TSlaveWMBusList meters;
    PauseHold hold{40};
    std::unique_ptr<scan::TFScanDecode> dialog; // last: its engine stops before what it uses goes
};

} // namespace scandialogtest
