#pragma once
// An INI file held in memory: sections in file order, each with its
// name=value entries in order. Sections and names match without regard to
// case, as Windows matches them; the first of two equal names wins.
//
// The format cannot hold every text: a line break would split an entry, a
// "]" would end a section name early. Writes refuse such texts (false,
// nothing stored) instead of writing a file that reads back as something
// else. A value with blanks at either end, or in double quotes, is written
// in double quotes, which reading takes off again, so every value that can
// be written reads back unchanged.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class TMemIniFile {
public:
    TMemIniFile() = default;
    // The text of an INI file: UTF-8, an optional byte-order mark, lines
    // ending in LF or CR LF. Lines before the first section, comments (";")
    // and lines without "=" are left out.
    static TMemIniFile fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &name) const;
    std::optional<QString> value(const QString &section, const QString &name) const;
    QString ReadString(const QString &section, const QString &name, const QString &fallback) const;
    // The value as an integer text (platform/IntText.h); fallback when it
    // is missing or no integer.
    std::int32_t ReadInteger(const QString &section, const QString &name, std::int32_t fallback) const;
    // "1" or "0" as Windows stores them; any other integer is true.
    bool ReadBool(const QString &section, const QString &name, bool fallback) const;

    bool WriteString(const QString &section, const QString &name, const QString &value);
    bool WriteInteger(const QString &section, const QString &name, std::int32_t value);
    bool WriteBool(const QString &section, const QString &name, bool value);
    // An empty section; false when the name cannot be written.
    bool AddSection(const QString &section);

    QStringList ReadSections() const;
    // The names of a section's entries.
    QStringList ReadSection(const QString &section) const;
    void EraseSection(const QString &section);
    void DeleteKey(const QString &section, const QString &name);

    static bool isValidSectionName(const QString &section);
    static bool isValidValueName(const QString &name);
    static bool isValidValue(const QString &value);

    friend bool operator==(const TMemIniFile &, const TMemIniFile &) = default;

private:
    struct Entry {
        QString name;
        QString value;
        friend bool operator==(const Entry &, const Entry &) = default;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        friend bool operator==(const Section &, const Section &) = default;
    };

    const Section *findSection(const QString &section) const;
    Section *findSection(const QString &section);
    Section &sectionForWrite(const QString &section);

    std::vector<Section> m_sections;
};

// An INI file on disk: read whole (a missing or unreadable file reads as
// empty), changed in memory, written back whole and atomically. A file that
// is there but could not be read is never written over.
class TIniFileOnDisk {
public:
    explicit TIniFileOnDisk(QString fileName);
    const QString &FileName() const { return m_fileName; }
    TMemIniFile &data() { return m_data; }
    const TMemIniFile &data() const { return m_data; }
    // Writes the file; false, with *error set when given, when it cannot.
    bool UpdateFile(QString *error = nullptr) const;

private:
    QString m_fileName;
    TMemIniFile m_data;
    QString m_readError; // why a file that is there could not be read
};

} // namespace platform
