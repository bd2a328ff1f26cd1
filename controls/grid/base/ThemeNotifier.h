#pragma once
// Tells registered windows when the user changes the Office colour scheme.
// The notifier watches the key of the installed Office version in the
// settings store; a change first raises its own OnOfficeThemeChange, then
// sends each registered window, in the order they registered, the event
// WM_OFFICETHEMECHANGE, and waits until the window has handled it. All of
// it happens on the interface thread, where the notifier lives. Without
// Office 2007 or 2010 it watches nothing and registering does nothing.
#include "platform/NotifyEvent.h"
#include "platform/Registry.h"

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

namespace platform {
class TRegistryWatch;
}

namespace controls {

constexpr int WM_OFFICETHEMECHANGE = 2993;

class TOfficeThemeChangeEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = QEvent::Type(WM_OFFICETHEMECHANGE);

    TOfficeThemeChangeEvent(platform::TRootKey root, QString key)
        : QEvent(EventType), m_root(root), m_key(std::move(key)) {}
    // The watched root and key.
    platform::TRootKey RootKey() const { return m_root; }
    const QString &Key() const { return m_key; }

private:
    platform::TRootKey m_root;
    QString m_key;
};

// Windows by their object; a window that is destroyed reads as none.
class THandleList {
public:
    int Count() const { return int(m_items.size()); }
    QObject *Items(int index) const;
    void SetItem(int index, QObject *window);
    void Add(QObject *window) { m_items.emplace_back(window); }
    void Insert(int index, QObject *window);
    void Delete(int index);
    // Removes the first entry of the window; nothing when it has none.
    void DeleteValue(const QObject *window);
    bool HasValue(const QObject *window) const;

private:
    std::vector<QPointer<QObject>> m_items;
};

class TThemeNotifier : public QObject {
public:
    explicit TThemeNotifier(QObject *owner, platform::TSettingsStore &store = platform::settingsStore());
    ~TThemeNotifier() override;

    // Adds a window once; both do nothing while nothing is watched.
    void RegisterWindow(QObject *window);
    void UnRegisterWindow(const QObject *window);
    const THandleList &Windows() const { return m_windows; }
    bool Watching() const;

    // Raised with the notifier as sender before the windows are told.
    platform::TNotifyEvent OnOfficeThemeChange;

private:
    void themeChanged();

    std::unique_ptr<platform::TRegistryWatch> m_watch;
    THandleList m_windows;
};

// The one notifier of the program, made on first use with the owner as its
// parent (the application when there is none); it goes with its owner.
TThemeNotifier *SharedThemeNotifier(QObject *owner);

} // namespace controls
