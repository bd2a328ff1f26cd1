#pragma once
// The registry seen as an INI file: a key of the current user's root is
// the file, its sub-keys the sections and their values the entries, as
// layouts that can live in either place are written.
#include "platform/Registry.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

class TRegistryIniFile {
public:
    explicit TRegistryIniFile(QString key, TSettingsStore &store = settingsStore());
    const QString &Key() const { return m_key; }

    std::optional<QString> value(const QString &section, const QString &name) const;
    bool ValueExists(const QString &section, const QString &name) const { return value(section, name).has_value(); }
    std::int32_t ReadInteger(const QString &section, const QString &name, std::int32_t fallback) const;
    bool WriteString(const QString &section, const QString &name, const QString &value);
    bool WriteInteger(const QString &section, const QString &name, std::int32_t value);

private:
    QString sectionKey(const QString &section) const;

    QString m_key;
    TSettingsStore &m_store;
};

} // namespace platform
