#include "platform/RegistryIniFile.h"

#include "platform/IntText.h"

namespace platform {

TRegistryIniFile::TRegistryIniFile(QString key, TSettingsStore &store) : m_key(std::move(key)), m_store(store) {}

QString TRegistryIniFile::sectionKey(const QString &section) const
{
    return u'\\' + normalizeKeyPath(m_key + u'\\' + section);
}

std::optional<QString> TRegistryIniFile::value(const QString &section, const QString &name) const
{
    TRegistry reg(m_store);
    if (!reg.OpenKeyReadOnly(sectionKey(section)))
        return std::nullopt;
    return reg.ReadString(name);
}

std::int32_t TRegistryIniFile::ReadInteger(const QString &section, const QString &name, std::int32_t fallback) const
{
    const auto text = value(section, name);
    if (!text)
        return fallback;
    return tryParseInt32(*text).value_or(fallback);
}

bool TRegistryIniFile::WriteString(const QString &section, const QString &name, const QString &value)
{
    TRegistry reg(m_store);
    return reg.OpenKey(sectionKey(section), true) && reg.WriteString(name, value);
}

bool TRegistryIniFile::WriteInteger(const QString &section, const QString &name, std::int32_t value)
{
    return WriteString(section, name, QString::number(value));
}

} // namespace platform
