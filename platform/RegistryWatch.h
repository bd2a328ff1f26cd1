#pragma once
// Change notification on a key of the settings store, in place of the
// registry's own: a file watcher on the store's folder notices when any
// program rewrites the root's file, and the watch compares the key with
// what it saw before, so that only a real change of the kinds asked for is
// reported. It needs no thread of its own and no system-wide event: the
// report runs on the thread the watch lives on (the interface thread).
#include "platform/Registry.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QFileSystemWatcher;

namespace platform {

// What a watch reports, as the registry names the kinds.
constexpr unsigned REG_NOTIFY_CHANGE_NAME = 0x1;       // sub-keys added or removed
constexpr unsigned REG_NOTIFY_CHANGE_ATTRIBUTES = 0x2; // no such thing here
constexpr unsigned REG_NOTIFY_CHANGE_LAST_SET = 0x4;   // values added, changed or removed
constexpr unsigned REG_NOTIFY_CHANGE_SECURITY = 0x8;   // no such thing here

class TRegistryWatch : public QObject {
public:
    // A filter of 0 means every kind. The key must exist: otherwise
    // nothing is watched and Active() is false.
    TRegistryWatch(TSettingsStore &store, TRootKey root, const QString &key, bool watchSubtree, unsigned filter,
                   QObject *parent = nullptr);
    ~TRegistryWatch() override;

    bool Active() const { return m_watcher != nullptr; }
    TRootKey RootKey() const { return m_root; }
    const QString &Key() const { return m_key; }
    unsigned Filter() const { return m_filter; }

    std::function<void(TRegistryWatch *Sender)> OnChange;

    // Looks at the key now and reports when it differs from what was seen
    // last. The file watcher calls it; so may anyone who knows the store
    // has changed.
    void checkNow();

private:
    QStringList snapshot() const;
    void watchFile();

    TSettingsStore &m_store;
    TRootKey m_root;
    QString m_key;
    bool m_subtree;
    unsigned m_filter;
    QStringList m_seen;
    QFileSystemWatcher *m_watcher = nullptr;
};

} // namespace platform
