#pragma once
// The clipboard formats trees offer: one process-wide table of named formats,
// each with the class of tree that can render it, a priority (lower first)
// and the MIME type it travels under through Qt's clipboard and drag and
// drop. Only formats with a MIME type are listed: a format nothing here can
// render is refused when it is registered.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace vtree {

class TBaseLazyTree;

// A class of tree: a format of a class goes to trees of that class and of
// every class derived from it.
struct TTreeClass {
    const char *Name;
    bool (*Includes)(const TBaseLazyTree &Tree);
};
extern const TTreeClass BaseLazyTreeClass;
extern const TTreeClass CustomLazyStringTreeClass;

// A format's identity: the number the table gave it and its MIME type.
struct TFormatEtc {
    std::uint32_t Format = 0;
    QString MimeType;
};

struct TClipboardFormatListEntry {
    QString Description;
    const TTreeClass *TreeClass = nullptr;
    unsigned Priority = 0;
    TFormatEtc FormatEtc;
};

// The names of the tree's own formats.
inline constexpr const char *CFSTR_LAZYTREE = "Lazy Tree Data";
inline constexpr const char *CFSTR_LAZYTREEREFERENCE = "Lazy Tree Reference";
inline constexpr const char *CFSTR_HTML = "HTML Format";
inline constexpr const char *CFSTR_RTF = "Rich Text Format";
inline constexpr const char *CFSTR_RTFNOOBJS = "Rich Text Format Without Objects";
inline constexpr const char *CFSTR_CSV = "CSV";
// The standard formats the trees render.
inline constexpr std::uint32_t CF_TEXT = 1;
inline constexpr std::uint32_t CF_UNICODETEXT = 13;

class TClipboardFormatList {
public:
    // Appends an entry and keeps the table ordered by priority.
    static void Add(const QString &FormatString, const TTreeClass &TreeClass, const TFormatEtc &FormatEtc,
                    unsigned Priority);
    static void Clear();
    // The formats, in table order, of the tree's class and its ancestors
    // whose names are in AllowedFormats (all of them without a list).
    static std::vector<TFormatEtc> EnumerateFormats(const TBaseLazyTree &Tree,
                                                    const QStringList *AllowedFormats = nullptr);
    static QStringList EnumerateFormatNames(const TBaseLazyTree &Tree);
    // By name (case-insensitive, the latest entry first), by number or by
    // MIME type; nil when none.
    static const TClipboardFormatListEntry *FindFormat(const QString &FormatString);
    static const TClipboardFormatListEntry *FindFormat(std::uint32_t Format);
    static const TClipboardFormatListEntry *FindMimeType(const QString &MimeType);
};

// Registers a name (the same name always gives the same number, above 0xC000)
// and lists it; 0 when the name has no MIME type here.
std::uint32_t RegisterFormatByName(const QString &Description, const TTreeClass &TreeClass, unsigned Priority);
// Lists a standard format (1 to 17) or a registered one; 0 when it has no
// MIME type here.
std::uint32_t RegisterFormatById(std::uint32_t Id, const TTreeClass &TreeClass, unsigned Priority);
// The name of a standard or registered format number (empty when unknown).
QString FormatName(std::uint32_t Id);
// The MIME type a format name travels under; empty when none.
QString MimeTypeOfFormat(const QString &Description);
QString treeDataMimeType();
QString treeReferenceMimeType();
// Registers the trees' formats once per process.
void RegisterTreeClipboardFormats();

// The format names a tree offers: sorted, without duplicates, and only names
// the table lists for the tree's class.
class TClipboardFormats {
public:
    explicit TClipboardFormats(const TBaseLazyTree &Owner) : FOwner(Owner) {}
    // The name's index, or -1 when the format is unknown or not for the owner.
    int Add(const QString &S);
    int Insert(int Index, const QString &S);
    void Assign(const QStringList &Names);
    void Clear() { FNames.clear(); }
    const QStringList &Names() const { return FNames; }
    int Count() const { return static_cast<int>(FNames.size()); }
    bool isEmpty() const { return FNames.isEmpty(); }
    bool contains(const QString &S) const { return FNames.contains(S, Qt::CaseInsensitive); }

private:
    const TBaseLazyTree &FOwner;
    QStringList FNames;
};

} // namespace vtree
