#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/IntText.h"

#include <QStringDecoder>

#include <algorithm>

namespace platform {
namespace {

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool hasLineBreak(const QString &text) { return text.contains(u'\r') || text.contains(u'\n'); }

bool isQuoted(QStringView text) { return text.size() >= 2 && text.front() == u'"' && text.back() == u'"'; }

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        QString text;
        text.reserve((bytes.size() - 2) / 2);
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            const auto lo = static_cast<unsigned char>(bytes[little ? i : i + 1]);
            const auto hi = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
            text.append(QChar(char16_t(lo | (hi << 8))));
        }
        return text;
    }
    // One byte-order mark is taken away; a second one is text.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
}

} // namespace

bool TMemIniFile::isValidSectionName(const QString &section)
{
    return !section.isEmpty() && section == trimBlanks(section) && !section.contains(u']') && !hasLineBreak(section);
}

bool TMemIniFile::isValidValueName(const QString &name)
{
    return !name.isEmpty() && name == trimBlanks(name) && !name.contains(u'=') && !hasLineBreak(name)
           && !name.startsWith(u'[') && !name.startsWith(u';');
}

bool TMemIniFile::isValidValue(const QString &value) { return !hasLineBreak(value); }

TMemIniFile TMemIniFile::fromBytes(const QByteArray &bytes)
{
    TMemIniFile ini;
    Section *current = nullptr;
    const QString text = decode(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = trimBlanks(line.toString());
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        if (trimmed.startsWith(u'[')) {
            const qsizetype end = trimmed.indexOf(u']');
            const QString name = trimBlanks(trimmed.mid(1, end < 0 ? -1 : end - 1));
            current = ini.findSection(name);
            if (!current) {
                ini.m_sections.push_back({name, {}});
                current = &ini.m_sections.back();
            }
            continue;
        }
        const qsizetype eq = trimmed.indexOf(u'=');
        if (!current || eq <= 0)
            continue;
        const QString name = trimBlanks(trimmed.left(eq));
        QString value = trimBlanks(trimmed.mid(eq + 1));
        if (isQuoted(value))
            value = value.mid(1, value.size() - 2);
        const bool known = std::any_of(current->entries.begin(), current->entries.end(),
                                       [&](const Entry &e) { return sameName(e.name, name); });
        if (!name.isEmpty() && !known)
            current->entries.push_back({name, value});
    }
    return ini;
}

QByteArray TMemIniFile::toBytes() const
{
    QString text;
    for (const Section &section : m_sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const Entry &entry : section.entries) {
            const bool quote = entry.value != trimBlanks(entry.value) || isQuoted(entry.value);
            text += entry.name + u'=' + (quote ? u'"' + entry.value + u'"' : entry.value) + u'\n';
        }
    }
    return text.toUtf8();
}

const TMemIniFile::Section *TMemIniFile::findSection(const QString &section) const
{
    const auto found = std::find_if(m_sections.begin(), m_sections.end(),
                                    [&](const Section &s) { return sameName(s.name, section); });
    return found == m_sections.end() ? nullptr : &*found;
}

TMemIniFile::Section *TMemIniFile::findSection(const QString &section)
{
    return const_cast<Section *>(std::as_const(*this).findSection(section));
}

TMemIniFile::Section &TMemIniFile::sectionForWrite(const QString &section)
{
    if (Section *found = findSection(section))
        return *found;
    m_sections.push_back({section, {}});
    return m_sections.back();
}

bool TMemIniFile::SectionExists(const QString &section) const { return findSection(section) != nullptr; }

bool TMemIniFile::ValueExists(const QString &section, const QString &name) const
{
    return value(section, name).has_value();
}

std::optional<QString> TMemIniFile::value(const QString &section, const QString &name) const
{
    const Section *s = findSection(section);
    if (!s)
        return std::nullopt;
    for (const Entry &entry : s->entries)
        if (sameName(entry.name, name))
            return entry.value;
    return std::nullopt;
}

QString TMemIniFile::ReadString(const QString &section, const QString &name, const QString &fallback) const
{
    return value(section, name).value_or(fallback);
}

std::int32_t TMemIniFile::ReadInteger(const QString &section, const QString &name, std::int32_t fallback) const
{
    const std::optional<QString> text = value(section, name);
    return text ? parseInt32Or(*text, fallback) : fallback;
}

bool TMemIniFile::ReadBool(const QString &section, const QString &name, bool fallback) const
{
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

bool TMemIniFile::WriteString(const QString &section, const QString &name, const QString &value)
{
    if (!isValidSectionName(section) || !isValidValueName(name) || !isValidValue(value))
        return false;
    Section &s = sectionForWrite(section);
    for (Entry &entry : s.entries) {
        if (sameName(entry.name, name)) {
            entry.value = value;
            return true;
        }
    }
    s.entries.push_back({name, value});
    return true;
}

bool TMemIniFile::WriteInteger(const QString &section, const QString &name, std::int32_t value)
{
    return WriteString(section, name, QString::number(value));
}

bool TMemIniFile::WriteBool(const QString &section, const QString &name, bool value)
{
    return WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TMemIniFile::AddSection(const QString &section)
{
    if (!isValidSectionName(section))
        return false;
    sectionForWrite(section);
    return true;
}

QStringList TMemIniFile::ReadSections() const
{
    QStringList names;
    for (const Section &s : m_sections)
        names.append(s.name);
    return names;
}

QStringList TMemIniFile::ReadSection(const QString &section) const
{
    QStringList names;
    if (const Section *s = findSection(section))
        for (const Entry &entry : s->entries)
            names.append(entry.name);
    return names;
}

void TMemIniFile::EraseSection(const QString &section)
{
    std::erase_if(m_sections, [&](const Section &s) { return sameName(s.name, section); });
}

void TMemIniFile::DeleteKey(const QString &section, const QString &name)
{
    if (Section *s = findSection(section))
        std::erase_if(s->entries, [&](const Entry &e) { return sameName(e.name, name); });
}

TIniFileOnDisk::TIniFileOnDisk(QString fileName) : m_fileName(std::move(fileName))
{
    const FileRead file = readWholeFile(m_fileName);
    m_readError = file.error;
    m_data = TMemIniFile::fromBytes(file.bytes);
}

bool TIniFileOnDisk::UpdateFile(QString *error) const
{
    if (!m_readError.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(m_fileName, m_readError);
        return false;
    }
    return writeFileAtomically(m_fileName, m_data.toBytes(), error);
}

} // namespace platform
