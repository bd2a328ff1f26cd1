#include "controls/grid/base/ThemeNotifier.h"

#include "controls/grid/base/OfficeTheme.h"
#include "platform/RegistryWatch.h"

#include <QCoreApplication>

#include <algorithm>

namespace controls {
namespace {

QPointer<TThemeNotifier> g_shared;

} // namespace

QObject *THandleList::Items(int index) const
{
    return index >= 0 && index < Count() ? m_items[std::size_t(index)].data() : nullptr;
}

void THandleList::SetItem(int index, QObject *window)
{
    if (index >= 0 && index < Count())
        m_items[std::size_t(index)] = window;
}

void THandleList::Insert(int index, QObject *window)
{
    if (index >= 0 && index <= Count())
        m_items.emplace(m_items.begin() + index, window);
}

void THandleList::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

void THandleList::DeleteValue(const QObject *window)
{
    const auto found = std::find(m_items.begin(), m_items.end(), window);
    if (found != m_items.end())
        m_items.erase(found);
}

bool THandleList::HasValue(const QObject *window) const
{
    return std::find(m_items.begin(), m_items.end(), window) != m_items.end();
}

TThemeNotifier::TThemeNotifier(QObject *owner, platform::TSettingsStore &store) : QObject(owner)
{
    const int office = InstalledOfficeVersion(store);
    if (office == 0)
        return;
    m_watch = std::make_unique<platform::TRegistryWatch>(store, platform::TRootKey::HKEY_CURRENT_USER,
                                                         office == 2 ? kOffice2010Common : kOffice2007Common,
                                                         true, platform::REG_NOTIFY_CHANGE_LAST_SET);
    m_watch->OnChange = [this](platform::TRegistryWatch *) { themeChanged(); };
}

TThemeNotifier::~TThemeNotifier() = default;

bool TThemeNotifier::Watching() const { return m_watch && m_watch->Active(); }

void TThemeNotifier::RegisterWindow(QObject *window)
{
    if (Watching() && window && !m_windows.HasValue(window))
        m_windows.Add(window);
}

void TThemeNotifier::UnRegisterWindow(const QObject *window)
{
    if (Watching())
        m_windows.DeleteValue(window);
}

void TThemeNotifier::themeChanged()
{
    const QPointer<TThemeNotifier> self(this);
    if (OnOfficeThemeChange)
        OnOfficeThemeChange(this);
    if (!self)
        return;
    // A window may register or unregister windows while it handles the
    // event; those the change was found for are told.
    // So may the notifier's owner destroy it.
    std::vector<QPointer<QObject>> windows;
    for (int i = 0; i < m_windows.Count(); ++i)
        windows.emplace_back(m_windows.Items(i));
    const platform::TRootKey root = m_watch->RootKey();
    const QString key = m_watch->Key();
    for (const QPointer<QObject> &window : windows) {
        if (!window)
            continue;
        TOfficeThemeChangeEvent event(root, key);
        QCoreApplication::sendEvent(window, &event);
    }
}

TThemeNotifier *SharedThemeNotifier(QObject *owner)
{
    if (!g_shared)
        g_shared = new TThemeNotifier(owner ? owner : QCoreApplication::instance());
    return g_shared;
}

} // namespace controls
