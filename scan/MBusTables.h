#pragma once
// Every fixed table of the telegram decoder, in one place: data fields,
// variable-length kinds, function fields, media, the primary VIF table, the
// two VIF extension tables (VIF FD and FB), the combinable VIFE and weekday
// names. The texts are the decoder's own vocabulary and never translated.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace scan {

// Power of ten taken from the low bits of a code: (code & mask) + offset.
struct Scaling {
    bool applies = false;
    int mask = 0;
    int offset = 0;
    int exponentFor(int code) const { return (code & mask) + offset; }
};

enum class VifKind { Plain, TimePoint, PlainTextUnit };

// One row of a code table: a range of codes (bits 6-0 of a VIF or VIFE).
struct CodeEntry {
    int first = 0;
    int last = 0;
    QStringList texts;       // one text for the whole range, or one per code from `first`
    int category = -1;       // primary VIF: unit category ("Type"), -1 none
    int code = -1;           // extension code ("VIFE"); -1 none or, combinable, unchanged
    bool codeSteps = false;  // the code grows by one per code in the range
    Scaling scaling;
    bool dateText = false;   // combinable VIFE: the value is shown as a date
    VifKind kind = VifKind::Plain;

    const QString &textFor(int c) const; // a null text past the listed ones
    int codeFor(int c) const { return codeSteps && code >= 0 ? code + (c - first) : code; }
};

// Codes 0 to 127 looked up in constant time; codes no row covers give the
// fallback row.
class CodeTable {
public:
    CodeTable(std::vector<CodeEntry> entries, CodeEntry fallback);
    CodeTable(const CodeTable &) = delete;
    CodeTable &operator=(const CodeTable &) = delete;

    const CodeEntry &lookup(int code) const { return *m_rows[static_cast<std::size_t>(code & 0x7F)]; }
    // The text of a code: lookup(code).textFor(code), found in one step.
    const QString &textOf(int code) const { return *m_texts[static_cast<std::size_t>(code & 0x7F)]; }
    const std::vector<CodeEntry> &entries() const { return m_entries; }

private:
    std::vector<CodeEntry> m_entries;
    CodeEntry m_fallback;
    std::array<const CodeEntry *, 128> m_rows{};
    std::array<const QString *, 128> m_texts{};
};

const CodeTable &primaryVifTable();
const CodeTable &vifExtensionFdTable();
const CodeTable &vifExtensionFbTable();
const CodeTable &combinableVifeTable();

// The combinable VIFE 0x7C takes the next VIFE as a phase qualifier.
constexpr int kPhaseExtensionVife = 0x7C;
const QString &phaseExtensionText(int code);

// Data field (DIF bits 3-0). The first set of texts is `DataFieldStr` with
// the bytes read; the second is `descdim` with `nbyte`.
struct DataFieldEntry {
    QString dataFieldStr;
    int bytesRead;
    bool bcd;
    QString descdim;
    int nbyte;
};
const DataFieldEntry &dataFieldEntry(int dataField);
constexpr int kVariableLengthField = 13;
constexpr int kSpecialFunctionField = 15;
constexpr int kSelectionForReadoutField = 8;

// Variable length: the LVAR byte gives the kind and the number of bytes.
struct LvarEntry {
    int byteCount;
    QString dataFieldStr;
    QString descdim;
    bool reserved; // 0xFB-0xFF: nothing tells how long the data is
};
const LvarEntry &lvarEntry(std::uint8_t lvar);
int lvarByteCount(std::uint8_t lvar); // 0 for the reserved kinds

const QString &functionFieldText(int functionField);

// Description of a time point (VIF 6C/6D) by its data field; empty for a data
// field that holds no time point type.
const QString &timePointDescription(int dataField);
QString mediumText(quint32 code);
const QString &weekdayText(int weekday); // 1 Monday .. 7 Sunday, with a trailing blank

} // namespace scan
