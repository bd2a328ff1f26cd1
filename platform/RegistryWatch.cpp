#include "platform/RegistryWatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace platform {

TRegistryWatch::TRegistryWatch(TSettingsStore &store, TRootKey root, const QString &key, bool watchSubtree,
                               unsigned filter, QObject *parent)
    : QObject(parent), m_store(store), m_root(root), m_key(normalizeKeyPath(key)), m_subtree(watchSubtree),
      m_filter(filter == 0 ? 0xFu : filter)
{
    if (!keyExistsIn(m_store.read(m_root), m_key))
        return;
    m_seen = snapshot();
    m_watcher = new QFileSystemWatcher(this);
    // A file replaced by renaming leaves the watch on the old one: the
    // folder tells about the new file, and the file is watched again.
    m_watcher->addPath(m_store.folder());
    watchFile();
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { checkNow(); });
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { checkNow(); });
}

TRegistryWatch::~TRegistryWatch() = default;

void TRegistryWatch::watchFile()
{
    const QString file = m_store.filePath(m_root);
    if (QFileInfo::exists(file) && !m_watcher->files().contains(file))
        m_watcher->addPath(file);
}

QStringList TRegistryWatch::snapshot() const
{
    const TMemIniFile data = m_store.read(m_root);
    QStringList lines;
    lines.append(keyExistsIn(data, m_key) ? QStringLiteral("key") : QStringLiteral("no key"));
    for (const QString &section : data.ReadSections()) {
        const bool own = section.compare(m_key, Qt::CaseInsensitive) == 0;
        if (!own && !(m_subtree && isKeyOrSubKey(section, m_key)))
            continue;
        if (m_filter & REG_NOTIFY_CHANGE_LAST_SET)
            for (const QString &name : data.ReadSection(section))
                lines.append(QStringLiteral("value\t") + section.toLower() + u'\t' + name.toLower() + u'\t'
                             + data.ReadString(section, name, QString()));
        if ((m_filter & REG_NOTIFY_CHANGE_NAME) && m_subtree && !own)
            lines.append(QStringLiteral("key\t") + section.toLower());
    }
    if ((m_filter & REG_NOTIFY_CHANGE_NAME) && !m_subtree)
        for (const QString &name : subKeysIn(data, m_key))
            lines.append(QStringLiteral("key\t") + name.toLower());
    lines.sort();
    return lines;
}

void TRegistryWatch::checkNow()
{
    if (!m_watcher)
        return;
    watchFile();
    QStringList now = snapshot();
    if (now == m_seen)
        return;
    m_seen = std::move(now);
    if (OnChange)
        OnChange(this);
}

} // namespace platform
