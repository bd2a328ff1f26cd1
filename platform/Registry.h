#pragma once
// The registry of this program: a settings store of our own under the
// user's configuration folder. Each root key is one INI file of the store's
// folder (HKEY_CURRENT_USER.ini); each key with values or without is a
// section named by its path ("Software\Maker\Product"), its values the
// section's entries, integers written in decimal. Keys and value names
// match without regard to case.
//
// Every call reads the file again and every change writes it again whole
// (atomically, under a lock file), so that two programs sharing the store
// see each other's changes, and a watcher of the file (RegistryWatch.h)
// tells about them.
#include "platform/IniFile.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

enum class TRootKey : std::uint32_t {
    HKEY_CLASSES_ROOT = 0x80000000u,
    HKEY_CURRENT_USER = 0x80000001u,
    HKEY_LOCAL_MACHINE = 0x80000002u,
    HKEY_USERS = 0x80000003u,
    HKEY_CURRENT_CONFIG = 0x80000005u,
};

QString rootKeyName(TRootKey root);

// "\A\\B\" and "a\b" name the same key: the parts between backslashes,
// empty ones left out, joined by one backslash.
QString normalizeKeyPath(const QString &path);

class TSettingsStore {
public:
    explicit TSettingsStore(QString folder);

    const QString &folder() const { return m_folder; }
    QString filePath(TRootKey root) const;

    // The root's keys as they are on disk now; empty when there is no file.
    TMemIniFile read(TRootKey root) const;
    // Reads the root's file, lets change alter it and writes it back when
    // change answers true. False, with *error set when given, when the
    // store's folder, lock or file cannot be written, or change refused.
    bool update(TRootKey root, const std::function<bool(TMemIniFile &)> &change, QString *error = nullptr);

private:
    QString m_folder;
};

// The program's store: the one installed, else the folder "registry" of
// the user's configuration folder for this program. Tests install their own.
TSettingsStore &settingsStore();
void installSettingsStore(TSettingsStore *store);

// Keys of a store as a program opens and uses them. Paths that begin with
// a backslash are absolute; others are relative to the open key. Reading
// gives nothing for what is missing; writing needs a key opened for
// writing and fails on what the store cannot hold (a line break, an empty
// name).
class TRegistry {
public:
    explicit TRegistry(TSettingsStore &store = settingsStore());

    TRootKey RootKey() const { return m_root; }
    // Changing the root closes the open key.
    void setRootKey(TRootKey root);

    // Opens an existing key, or creates it with canCreate.
    bool OpenKey(const QString &key, bool canCreate);
    bool OpenKeyReadOnly(const QString &key);
    void CloseKey();
    bool HasOpenKey() const { return m_open; }
    const QString &CurrentPath() const { return m_path; }

    bool KeyExists(const QString &key) const;
    bool DeleteKey(const QString &key);
    bool ValueExists(const QString &name) const;
    std::optional<QString> ReadString(const QString &name) const;
    // The value when it is an integer text; nothing otherwise.
    std::optional<std::int32_t> ReadInteger(const QString &name) const;
    bool WriteString(const QString &name, const QString &value);
    bool WriteInteger(const QString &name, std::int32_t value);
    bool DeleteValue(const QString &name);
    QStringList GetValueNames() const;
    // The names of the open key's direct sub-keys.
    QStringList GetKeyNames() const;

private:
    QString absolutePath(const QString &key) const;
    bool writeValue(const QString &name, const QString &value);

    TSettingsStore &m_store;
    TRootKey m_root = TRootKey::HKEY_CURRENT_USER;
    QString m_path;
    bool m_open = false;
    bool m_writable = false;
};

// Whether a key exists in a snapshot of a root: as a section of its own or
// as the parent of one.
bool keyExistsIn(const TMemIniFile &root, const QString &normalizedPath);
// Whether a section names the key itself or one below it (every section is
// below the root, the empty path).
bool isKeyOrSubKey(const QString &section, const QString &normalizedPath);
// The direct sub-keys of a key (the root for an empty path), by name, once each.
QStringList subKeysIn(const TMemIniFile &root, const QString &normalizedPath);

} // namespace platform
