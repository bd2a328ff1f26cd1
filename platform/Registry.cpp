#include "platform/Registry.h"

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/IntText.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

namespace platform {
namespace {

TSettingsStore *g_installed = nullptr;

bool isBelow(const QString &section, const QString &path)
{
    return path.isEmpty() || (section.size() > path.size() && section.startsWith(path, Qt::CaseInsensitive)
                              && section[path.size()] == u'\\');
}

} // namespace

bool isKeyOrSubKey(const QString &section, const QString &normalizedPath)
{
    return section.compare(normalizedPath, Qt::CaseInsensitive) == 0 || isBelow(section, normalizedPath);
}

QString rootKeyName(TRootKey root)
{
    switch (root) {
    case TRootKey::HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case TRootKey::HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case TRootKey::HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case TRootKey::HKEY_USERS:
        return QStringLiteral("HKEY_USERS");
    case TRootKey::HKEY_CURRENT_CONFIG:
        return QStringLiteral("HKEY_CURRENT_CONFIG");
    }
    return QStringLiteral("HKEY_%1").arg(std::uint32_t(root), 8, 16, QChar(u'0'));
}

QString normalizeKeyPath(const QString &path)
{
    return path.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

bool keyExistsIn(const TMemIniFile &root, const QString &normalizedPath)
{
    if (normalizedPath.isEmpty())
        return true;
    const QStringList sections = root.ReadSections();
    return std::any_of(sections.begin(), sections.end(),
                       [&](const QString &s) { return isKeyOrSubKey(s, normalizedPath); });
}

QStringList subKeysIn(const TMemIniFile &root, const QString &normalizedPath)
{
    QStringList names;
    const qsizetype skip = normalizedPath.isEmpty() ? 0 : normalizedPath.size() + 1;
    for (const QString &section : root.ReadSections()) {
        if (!isBelow(section, normalizedPath))
            continue;
        const QString name = section.mid(skip).section(u'\\', 0, 0);
        if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

// ---- Store -------------------------------------------------------------------

TSettingsStore::TSettingsStore(QString folder) : m_folder(std::move(folder)) {}

QString TSettingsStore::filePath(TRootKey root) const { return m_folder + u'/' + rootKeyName(root) + QStringLiteral(".ini"); }

TMemIniFile TSettingsStore::read(TRootKey root) const
{
    // A query answers from what it can read: nothing, when the file is
    // missing or cannot be read.
    return TMemIniFile::fromBytes(readWholeFile(filePath(root)).bytes);
}

bool TSettingsStore::update(TRootKey root, const std::function<bool(TMemIniFile &)> &change, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QDir().mkpath(m_folder))
        return fail(QStringLiteral("Cannot create the folder %1").arg(m_folder));
    const QString path = filePath(root);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(5000))
        return fail(QStringLiteral("Cannot lock %1").arg(path));
    // A file that is there but cannot be read is kept: writing the one change
    // over it would lose every other key.
    const FileRead file = readWholeFile(path);
    if (!file.missing && !file.ok())
        return fail(QStringLiteral("Cannot read %1: %2").arg(path, file.error));
    TMemIniFile data = TMemIniFile::fromBytes(file.bytes);
    if (!change(data))
        return fail(QStringLiteral("The value cannot be stored"));
    return writeFileAtomically(path, data.toBytes(), error);
}

TSettingsStore &settingsStore()
{
    if (g_installed)
        return *g_installed;
    static TSettingsStore user(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                               + QStringLiteral("/registry"));
    return user;
}

void installSettingsStore(TSettingsStore *store) { g_installed = store; }

// ---- Registry ----------------------------------------------------------------

TRegistry::TRegistry(TSettingsStore &store) : m_store(store) {}

void TRegistry::setRootKey(TRootKey root)
{
    CloseKey();
    m_root = root;
}

QString TRegistry::absolutePath(const QString &key) const
{
    if (key.startsWith(u'\\') || !m_open)
        return normalizeKeyPath(key);
    return normalizeKeyPath(m_path + u'\\' + key);
}

bool TRegistry::OpenKey(const QString &key, bool canCreate)
{
    const QString path = absolutePath(key);
    if (!keyExistsIn(m_store.read(m_root), path)) {
        if (!canCreate || path.isEmpty()
            || !m_store.update(m_root, [&](TMemIniFile &data) { return data.AddSection(path); }))
            return false;
    }
    m_path = path;
    m_open = true;
    m_writable = true;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString &key)
{
    const QString path = absolutePath(key);
    if (!keyExistsIn(m_store.read(m_root), path))
        return false;
    m_path = path;
    m_open = true;
    m_writable = false;
    return true;
}

void TRegistry::CloseKey()
{
    m_path.clear();
    m_open = false;
    m_writable = false;
}

bool TRegistry::KeyExists(const QString &key) const { return keyExistsIn(m_store.read(m_root), absolutePath(key)); }

bool TRegistry::DeleteKey(const QString &key)
{
    const QString path = absolutePath(key);
    if (path.isEmpty() || !keyExistsIn(m_store.read(m_root), path))
        return false;
    return m_store.update(m_root, [&](TMemIniFile &data) {
        for (const QString &section : data.ReadSections())
            if (isKeyOrSubKey(section, path))
                data.EraseSection(section);
        return true;
    });
}

bool TRegistry::ValueExists(const QString &name) const { return ReadString(name).has_value(); }

std::optional<QString> TRegistry::ReadString(const QString &name) const
{
    if (!m_open)
        return std::nullopt;
    return m_store.read(m_root).value(m_path, name);
}

std::optional<std::int32_t> TRegistry::ReadInteger(const QString &name) const
{
    const std::optional<QString> text = ReadString(name);
    return text ? tryParseInt32(*text) : std::nullopt;
}

bool TRegistry::writeValue(const QString &name, const QString &value)
{
    if (!m_open || !m_writable)
        return false;
    return m_store.update(m_root, [&](TMemIniFile &data) { return data.WriteString(m_path, name, value); });
}

bool TRegistry::WriteString(const QString &name, const QString &value) { return writeValue(name, value); }

bool TRegistry::WriteInteger(const QString &name, std::int32_t value)
{
    return writeValue(name, QString::number(value));
}

bool TRegistry::DeleteValue(const QString &name)
{
    if (!m_open || !m_writable || !ValueExists(name))
        return false;
    return m_store.update(m_root, [&](TMemIniFile &data) {
        data.DeleteKey(m_path, name);
        return true;
    });
}

QStringList TRegistry::GetValueNames() const
{
    return m_open ? m_store.read(m_root).ReadSection(m_path) : QStringList();
}

QStringList TRegistry::GetKeyNames() const
{
    return m_open ? subKeysIn(m_store.read(m_root), m_path) : QStringList();
}

} // namespace platform
