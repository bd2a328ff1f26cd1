#include "controls/grid/base/OfficeTheme.h"
#include "controls/grid/base/ThemeNotifier.h"
#include "tests/support/EventLoop.h"
#include "tests/support/OfficeSchemeStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace controls;

namespace {

// A window that notes the theme messages it handles.
class Receiver : public QObject {
public:
    Receiver(QString name, std::vector<QString> &log) : m_name(std::move(name)), m_log(log) {}

    bool event(QEvent *e) override
    {
        if (e->type() != TOfficeThemeChangeEvent::EventType)
            return QObject::event(e);
        const auto *change = static_cast<TOfficeThemeChangeEvent *>(e);
        EXPECT_EQ(change->RootKey(), platform::TRootKey::HKEY_CURRENT_USER);
        EXPECT_EQ(change->Key(), kOffice2010Common);
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        m_log.push_back(m_name);
        return true;
    }

private:
    QString m_name;
    std::vector<QString> &m_log;
};

struct Office : testsupport::OfficeSchemeStore {};

template <class Done>
bool serveUntil(Done done)
{
    return testsupport::processEventsUntil(done, std::chrono::seconds(10));
}

} // namespace

TEST_F(Office, WithoutOfficeNothingIsWatchedAndNothingRegisters)
{
    QObject owner;
    TThemeNotifier notifier(&owner, store);
    EXPECT_FALSE(notifier.Watching());
    QObject window;
    notifier.RegisterWindow(&window);
    EXPECT_EQ(notifier.Windows().Count(), 0);
}

TEST_F(Office, AWindowRegistersOnceAndUnknownOnesUnregisterToNoEffect)
{
    install2010();
    QObject owner, a, b, stranger;
    TThemeNotifier notifier(&owner, store);
    ASSERT_TRUE(notifier.Watching());
    notifier.RegisterWindow(&a);
    notifier.RegisterWindow(&b);
    notifier.RegisterWindow(&a);
    notifier.RegisterWindow(nullptr);
    notifier.UnRegisterWindow(&stranger);
    ASSERT_EQ(notifier.Windows().Count(), 2);
    EXPECT_EQ(notifier.Windows().Items(0), &a);
    EXPECT_EQ(notifier.Windows().Items(1), &b);
    notifier.UnRegisterWindow(&a);
    EXPECT_FALSE(notifier.Windows().HasValue(&a));
}

TEST_F(Office, AChangeByAnotherProgramReachesTheRegisteredWindowsInOrder)
{
    install2010();
    std::vector<QString> log;
    QObject owner;
    TThemeNotifier notifier(&owner, store);
    notifier.OnOfficeThemeChange = [&](QObject *sender) {
        EXPECT_EQ(sender, &notifier);
        log.push_back("notifier");
    };
    Receiver first("first", log), second("second", log), leaving("leaving", log), outsider("outsider", log);
    auto gone = std::make_unique<Receiver>("gone", log);
    notifier.RegisterWindow(&second);
    notifier.RegisterWindow(gone.get());
    notifier.RegisterWindow(&first);
    notifier.RegisterWindow(&leaving);
    notifier.UnRegisterWindow(&leaving);
    gone.reset();

    platform::TSettingsStore otherProgram(dir.path());
    setTheme(otherProgram, 3);
    ASSERT_TRUE(serveUntil([&] { return log.size() == 3; }));
    EXPECT_EQ(log, (std::vector<QString>{"notifier", "second", "first"}));
    EXPECT_EQ(CurrentOfficeTheme(store), ot2010Black);

    log.clear();
    setTheme(otherProgram, 3);
    QCoreApplication::processEvents();
    setTheme(otherProgram, 2);
    ASSERT_TRUE(serveUntil([&] { return log.size() == 3; }));
    EXPECT_EQ(log, (std::vector<QString>{"notifier", "second", "first"})) << "writing the same value tells nothing";
}

TEST_F(Office, TheSharedNotifierIsMadeOnceAndGoesWithItsOwner)
{
    platform::installSettingsStore(&store);
    auto owner = std::make_unique<QObject>();
    TThemeNotifier *shared = SharedThemeNotifier(owner.get());
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(SharedThemeNotifier(nullptr), shared);
    EXPECT_EQ(shared->parent(), owner.get());
    {
        QObject other;
        TThemeNotifier unshared(&other, store);
    }
    EXPECT_EQ(SharedThemeNotifier(nullptr), shared) << "another notifier's end leaves the shared one";
    owner.reset();
    TThemeNotifier *next = SharedThemeNotifier(nullptr);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->parent(), QCoreApplication::instance());
    delete next;
    platform::installSettingsStore(nullptr);
}
