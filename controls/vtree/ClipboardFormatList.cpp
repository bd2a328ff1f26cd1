#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/LazyStringTree.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace vtree {

const TTreeClass BaseLazyTreeClass{"TBaseLazyTree", [](const TBaseLazyTree &) { return true; }};
const TTreeClass CustomLazyStringTreeClass{"TCustomLazyStringTree", [](const TBaseLazyTree &tree) {
                                               return dynamic_cast<const TCustomLazyStringTree *>(&tree) != nullptr;
                                           }};

namespace {

// The standard formats by number; only text has a MIME type here.
struct StandardFormat {
    const char *name;
    const char *mimeType;
};
constexpr StandardFormat standardFormats[] = {
    {"Plain text", "text/plain"},
    {"Windows bitmap", nullptr},
    {"Windows metafile", nullptr},
    {"Symbolic link", nullptr},
    {"Data interchange format", nullptr},
    {"Tiff image", nullptr},
    {"OEM text", nullptr},
    {"DIB image", nullptr},
    {"Palette data", nullptr},
    {"Pen data", nullptr},
    {"Riff audio data", nullptr},
    {"Wav audio data", nullptr},
    {"Unicode text", "text/plain;charset=utf-8"},
    {"Enhanced metafile image", nullptr},
    {"File name(s)", nullptr},
    {"Locale descriptor", nullptr},
    {"DIB image V5", nullptr},
};
constexpr std::uint32_t standardFormatCount = std::size(standardFormats);
constexpr std::uint32_t firstRegisteredFormat = 0xC000;

// Named formats with a MIME type of their own; any other name travels under
// Qt's wrapper for named formats.
struct NamedFormat {
    const char *name;
    const char *mimeType;
};
constexpr NamedFormat namedFormats[] = {
    {CFSTR_LAZYTREE, "application/x-lazy-tree-data"},
    {CFSTR_LAZYTREEREFERENCE, "application/x-lazy-tree-reference"},
    {CFSTR_HTML, "text/html"},
    {CFSTR_RTF, "text/rtf"},
    {CFSTR_CSV, "text/csv"},
};

struct FormatTable {
    std::mutex lock;
    std::vector<std::unique_ptr<TClipboardFormatListEntry>> entries;
    std::map<QString, std::uint32_t> registeredIds; // by lower-case name
    std::vector<QString> registeredNames;           // by number - firstRegisteredFormat
};

FormatTable &table()
{
    static FormatTable formats;
    return formats;
}

std::uint32_t registerName(const QString &name)
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    const QString key = name.toLower();
    if (auto it = t.registeredIds.find(key); it != t.registeredIds.end())
        return it->second;
    const auto id = firstRegisteredFormat + static_cast<std::uint32_t>(t.registeredNames.size());
    t.registeredIds.emplace(key, id);
    t.registeredNames.push_back(name);
    return id;
}

} // namespace

QString FormatName(std::uint32_t Id)
{
    if (Id >= 1 && Id <= standardFormatCount)
        return QString::fromLatin1(standardFormats[Id - 1].name);
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    if (Id >= firstRegisteredFormat && Id - firstRegisteredFormat < t.registeredNames.size())
        return t.registeredNames[Id - firstRegisteredFormat];
    return {};
}

QString MimeTypeOfFormat(const QString &Description)
{
    if (Description.isEmpty())
        return {};
    for (const NamedFormat &named : namedFormats)
        if (Description.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(named.mimeType);
    for (const StandardFormat &standard : standardFormats)
        if (Description.compare(QLatin1String(standard.name), Qt::CaseInsensitive) == 0)
            return standard.mimeType ? QString::fromLatin1(standard.mimeType) : QString();
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(Description);
}

QString treeDataMimeType() { return MimeTypeOfFormat(QLatin1String(CFSTR_LAZYTREE)); }
QString treeReferenceMimeType() { return MimeTypeOfFormat(QLatin1String(CFSTR_LAZYTREEREFERENCE)); }

void TClipboardFormatList::Add(const QString &FormatString, const TTreeClass &TreeClass, const TFormatEtc &FormatEtc,
                               unsigned Priority)
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    t.entries.push_back(std::make_unique<TClipboardFormatListEntry>(
        TClipboardFormatListEntry{FormatString, &TreeClass, Priority, FormatEtc}));
    std::stable_sort(t.entries.begin(), t.entries.end(),
                     [](const auto &a, const auto &b) { return a->Priority < b->Priority; });
}

void TClipboardFormatList::Clear()
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    t.entries.clear();
}

std::vector<TFormatEtc> TClipboardFormatList::EnumerateFormats(const TBaseLazyTree &Tree,
                                                               const QStringList *AllowedFormats)
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    std::vector<TFormatEtc> formats;
    for (const auto &entry : t.entries)
        if (entry->TreeClass->Includes(Tree) &&
            (!AllowedFormats || AllowedFormats->contains(entry->Description, Qt::CaseInsensitive)))
            formats.push_back(entry->FormatEtc);
    return formats;
}

QStringList TClipboardFormatList::EnumerateFormatNames(const TBaseLazyTree &Tree)
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    QStringList names;
    for (const auto &entry : t.entries)
        if (entry->TreeClass->Includes(Tree))
            names.append(entry->Description);
    return names;
}

const TClipboardFormatListEntry *TClipboardFormatList::FindFormat(const QString &FormatString)
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    for (auto it = t.entries.rbegin(); it != t.entries.rend(); ++it)
        if ((*it)->Description.compare(FormatString, Qt::CaseInsensitive) == 0)
            return it->get();
    return nullptr;
}

const TClipboardFormatListEntry *TClipboardFormatList::FindFormat(std::uint32_t Format)
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    for (const auto &entry : t.entries)
        if (entry->FormatEtc.Format == Format)
            return entry.get();
    return nullptr;
}

const TClipboardFormatListEntry *TClipboardFormatList::FindMimeType(const QString &MimeType)
{
    FormatTable &t = table();
    std::lock_guard guard(t.lock);
    for (const auto &entry : t.entries)
        if (entry->FormatEtc.MimeType == MimeType)
            return entry.get();
    return nullptr;
}

std::uint32_t RegisterFormatByName(const QString &Description, const TTreeClass &TreeClass, unsigned Priority)
{
    const QString mimeType = MimeTypeOfFormat(Description);
    if (mimeType.isEmpty())
        return 0;
    const std::uint32_t id = registerName(Description);
    TClipboardFormatList::Add(Description, TreeClass, {id, mimeType}, Priority);
    return id;
}

std::uint32_t RegisterFormatById(std::uint32_t Id, const TTreeClass &TreeClass, unsigned Priority)
{
    const QString name = FormatName(Id);
    const QString mimeType = MimeTypeOfFormat(name);
    if (mimeType.isEmpty())
        return 0;
    TClipboardFormatList::Add(name, TreeClass, {Id, mimeType}, Priority);
    return Id;
}

void RegisterTreeClipboardFormats()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // The reference is known by name only: it is never offered by choice.
        registerName(QLatin1String(CFSTR_LAZYTREEREFERENCE));
        RegisterFormatByName(QLatin1String(CFSTR_LAZYTREE), BaseLazyTreeClass, 50);
        RegisterFormatByName(QLatin1String(CFSTR_HTML), CustomLazyStringTreeClass, 80);
        RegisterFormatByName(QLatin1String(CFSTR_RTFNOOBJS), CustomLazyStringTreeClass, 84);
        RegisterFormatByName(QLatin1String(CFSTR_RTF), CustomLazyStringTreeClass, 85);
        RegisterFormatByName(QLatin1String(CFSTR_CSV), CustomLazyStringTreeClass, 90);
        RegisterFormatById(CF_UNICODETEXT, CustomLazyStringTreeClass, 95);
        RegisterFormatById(CF_TEXT, CustomLazyStringTreeClass, 100);
    });
}

int TClipboardFormats::Add(const QString &S)
{
    RegisterTreeClipboardFormats();
    const TClipboardFormatListEntry *entry = TClipboardFormatList::FindFormat(S);
    if (!entry || !entry->TreeClass->Includes(FOwner))
        return -1;
    auto less = [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    auto at = std::lower_bound(FNames.begin(), FNames.end(), S, less);
    const int index = static_cast<int>(at - FNames.begin());
    if (at == FNames.end() || at->compare(S, Qt::CaseInsensitive) != 0)
        FNames.insert(index, S);
    return index;
}

// A sorted list puts a name where it sorts, wherever it was asked to go.
int TClipboardFormats::Insert(int, const QString &S) { return Add(S); }

void TClipboardFormats::Assign(const QStringList &Names)
{
    FNames.clear();
    for (const QString &name : Names)
        Add(name);
}

} // namespace vtree
