// The column items as a component stream: a "TExColumnGridIO" record whose
// collection "Items" lists every item's published properties in their
// published order, each with the stream defaults of its kind.
#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/GridStreamNames.h"
#include "controls/grid/model/core/ComponentStream.h"
#include "platform/ColorNames.h"

#include <limits>

namespace controls {

namespace names = streamnames;

namespace {

void writeColor(TComponentWriter &w, QByteArrayView name, platform::TColor color)
{
    if (const auto ident = platform::colorToIdent(color))
        w.writeIdent(name, *ident);
    else
        w.writeInteger(name, color);
}

QByteArray path(QByteArrayView object, QByteArrayView property)
{
    return object.toByteArray() + '.' + property.toByteArray();
}

// A font by its own defaults: the name and height always, the rest when
// they differ from a new font's.
void writeFont(TComponentWriter &w, QByteArrayView name, const platform::TFont &font)
{
    if (font.Color() != platform::clWindowText)
        writeColor(w, path(name, "Color"), font.Color());
    w.writeInteger(path(name, "Height"), font.Height());
    w.writeString(path(name, "Name"), font.Name());
    if (font.Orientation() != 0)
        w.writeInteger(path(name, "Orientation"), font.Orientation());
    const platform::FontStyle s = font.Style();
    std::vector<QByteArrayView> members;
    const bool bits[] = {s.bold, s.italic, s.underline, s.strikeOut};
    for (int i = 0; i < 4; ++i)
        if (bits[i])
            members.push_back(names::nameOf(names::FontStyle, i));
    if (!members.empty())
        w.writeSet(path(name, "Style"), members);
}

void writePen(TComponentWriter &w, QByteArrayView name, const platform::TPen &pen)
{
    if (pen.Color() != platform::clBlack)
        writeColor(w, path(name, "Color"), pen.Color());
    if (pen.Mode() != platform::TPenMode::pmCopy)
        w.writeIdent(path(name, "Mode"), names::nameOf(names::PenMode, int(pen.Mode())));
    if (pen.Style() != platform::TPenStyle::psSolid)
        w.writeIdent(path(name, "Style"), names::nameOf(names::PenStyle, int(pen.Style())));
    if (pen.Width() != 1)
        w.writeInteger(path(name, "Width"), pen.Width());
}

void writeBorders(TComponentWriter &w, QByteArrayView name, const TCellBorders &borders)
{
    std::vector<QByteArrayView> members;
    for (int i = 0; i < 4; ++i)
        if (borders.test(std::size_t(i)))
            members.push_back(names::nameOf(names::CellBorder, i));
    w.writeSet(name, members);
}

void writeItem(TComponentWriter &w, const TGridColumnItem &item)
{
    w.writeInteger("AutoMinSize", item.AutoMinSize);
    w.writeInteger("AutoMaxSize", item.AutoMaxSize);
    w.writeIdent("Alignment", names::nameOf(names::Alignment, item.Alignment));
    writeBorders(w, "Borders", item.Borders);
    writePen(w, "BorderPen", item.BorderPen);
    if (!item.CheckFalse.isEmpty())
        w.writeString("CheckFalse", item.CheckFalse);
    if (!item.CheckTrue.isEmpty())
        w.writeString("CheckTrue", item.CheckTrue);
    writeColor(w, "Color", item.Color());
    if (item.ColumnPopup && !item.ColumnPopup->objectName().isEmpty())
        w.writeIdent("ColumnPopup", item.ColumnPopup->objectName().toUtf8());
    w.writeIdent("ColumnPopupType", names::nameOf(names::ColumnPopupType, item.ColumnPopupType));
    if (!item.ComboItems.isEmpty())
        w.writeStringList("ComboItems.Strings", item.ComboItems);
    w.writeInteger("DropDownCount", item.DropDownCount);
    w.writeInteger("EditLength", item.EditLength);
    if (!item.EditMask.isEmpty())
        w.writeString("EditMask", item.EditMask);
    w.writeIdent("Editor", names::nameOf(names::EditorType, item.Editor()));
    if (!item.Filter.isEmpty())
        w.writeStringList("Filter.Strings", item.Filter);
    w.writeBoolean("FilterCaseSensitive", item.FilterCaseSensitive);
    w.writeBoolean("Fixed", item.Fixed);
    if (!item.FloatFormat().isEmpty())
        w.writeString("FloatFormat", item.FloatFormat());
    writeFont(w, "Font", item.Font);
    if (!item.Header().isEmpty())
        w.writeString("Header", item.Header());
    w.writeIdent("HeaderAlignment", names::nameOf(names::Alignment, item.HeaderAlignment));
    writeFont(w, "HeaderFont", item.HeaderFont);
    w.writeInteger("MinSize", item.MinSize);
    w.writeInteger("MaxSize", item.MaxSize);
    if (!item.Name.isEmpty())
        w.writeString("Name", item.Name);
    w.writeBoolean("Password", item.Password);
    if (!item.PrintBorderCustom)
        w.writeBoolean("PrintBorderCustom", false);
    writeBorders(w, "PrintBorders", item.PrintBorders);
    writePen(w, "PrintBorderPen", item.PrintBorderPen);
    writeColor(w, "PrintColor", item.PrintColor);
    if (!item.PrintFontCustom)
        w.writeBoolean("PrintFontCustom", false);
    writeFont(w, "PrintFont", item.PrintFont);
    w.writeBoolean("ReadOnly", item.ReadOnly);
    w.writeBoolean("ShowBands", item.ShowBands);
    w.writeIdent("SortStyle", names::nameOf(names::SortStyle, item.SortStyle));
    if (!item.SortPrefix.isEmpty())
        w.writeString("SortPrefix", item.SortPrefix);
    if (!item.SortSuffix.isEmpty())
        w.writeString("SortSuffix", item.SortSuffix);
    w.writeInteger("SpinMax", item.SpinMax);
    w.writeInteger("SpinMin", item.SpinMin);
    w.writeInteger("SpinStep", item.SpinStep);
    w.writeInteger("Tag", item.Tag);
    w.writeInteger("Width", item.Width());
}

// --- reading -------------------------------------------------------------------------------------------

[[noreturn]] void badValue(QByteArrayView name)
{
    throw EReadError(QStringLiteral("Invalid property value for %1").arg(QString::fromUtf8(name)));
}

int intOf(QByteArrayView name, const TStreamValue &v)
{
    return int(integerValue(name, v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

template <class Enum>
Enum enumOf(QByteArrayView name, const TStreamValue &v, names::NameTable table)
{
    const auto ordinal = names::ordinalOf(table, identValue(name, v));
    if (!ordinal)
        badValue(name);
    return Enum(*ordinal);
}

platform::TColor colorOf(QByteArrayView name, const TStreamValue &v)
{
    if (v.type == vaIdent) {
        if (const auto color = platform::identToColor(v.text.toUtf8()))
            return *color;
        badValue(name);
    }
    return platform::TColor(std::uint32_t(
        integerValue(name, v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::uint32_t>::max())));
}

QStringList listOf(QByteArrayView name, const TStreamValue &v)
{
    if (v.type != vaList)
        badValue(name);
    return v.names;
}

std::vector<int> setOf(QByteArrayView name, const TStreamValue &v, names::NameTable table)
{
    if (v.type != vaSet)
        badValue(name);
    std::vector<int> members;
    for (const QString &member : v.names) {
        const auto ordinal = names::ordinalOf(table, member);
        if (!ordinal)
            badValue(name);
        members.push_back(*ordinal);
    }
    return members;
}

TCellBorders bordersOf(QByteArrayView name, const TStreamValue &v)
{
    TCellBorders borders;
    for (const int i : setOf(name, v, names::CellBorder))
        borders.set(std::size_t(i));
    return borders;
}

bool readFont(QByteArrayView name, const TStreamValue &v, QByteArrayView object, platform::TFont &font)
{
    if (!name.startsWith(object) || name.size() <= object.size() || name[object.size()] != '.')
        return false;
    const QByteArrayView sub = name.sliced(object.size() + 1);
    if (sub == "Color") {
        font.setColor(colorOf(name, v));
    } else if (sub == "Height") {
        font.setHeight(int(integerValue(name, v, -32767, 32767)));
    } else if (sub == "Size") {
        font.setSize(int(integerValue(name, v, -32767, 32767)));
    } else if (sub == "Name") {
        font.setName(stringValue(name, v));
    } else if (sub == "Orientation") {
        font.setOrientation(intOf(name, v));
    } else if (sub == "Style") {
        platform::FontStyle style;
        bool *bits[] = {&style.bold, &style.italic, &style.underline, &style.strikeOut};
        for (const int i : setOf(name, v, names::FontStyle))
            *bits[i] = true;
        font.setStyle(style);
    } else if (sub == "Charset" || sub == "Pitch") {
        // Written by other streams; fonts here have neither.
    } else {
        unknownProperty(name);
    }
    return true;
}

bool readPen(QByteArrayView name, const TStreamValue &v, QByteArrayView object, platform::TPen &pen)
{
    if (!name.startsWith(object) || name.size() <= object.size() || name[object.size()] != '.')
        return false;
    const QByteArrayView sub = name.sliced(object.size() + 1);
    if (sub == "Color")
        pen.setColor(colorOf(name, v));
    else if (sub == "Mode")
        pen.setMode(enumOf<platform::TPenMode>(name, v, names::PenMode));
    else if (sub == "Style")
        pen.setStyle(enumOf<platform::TPenStyle>(name, v, names::PenStyle));
    else if (sub == "Width")
        pen.setWidth(int(integerValue(name, v, 0, 32767)));
    else
        unknownProperty(name);
    return true;
}

// One item as read; what the stream leaves out keeps the item's default.
struct TReadItem {
    std::unique_ptr<TGridColumnItem> item = std::make_unique<TGridColumnItem>();
    int width = -1;
    QString header;
    TEditorType editor = edNormal;
    platform::TColor color = 0;
    QString floatFormat;
    QString popupName;
};

void readItem(const TPropertyList &properties, TReadItem &read)
{
    TGridColumnItem &item = *read.item;
    for (const TStreamProperty &p : properties) {
        const QByteArrayView name = p.name;
        const TStreamValue &v = p.value;
        if (readFont(name, v, "Font", item.Font) || readFont(name, v, "HeaderFont", item.HeaderFont)
            || readFont(name, v, "PrintFont", item.PrintFont) || readPen(name, v, "BorderPen", item.BorderPen)
            || readPen(name, v, "PrintBorderPen", item.PrintBorderPen))
            continue;
        if (name == "AutoMinSize")
            item.AutoMinSize = intOf(name, v);
        else if (name == "AutoMaxSize")
            item.AutoMaxSize = intOf(name, v);
        else if (name == "Alignment")
            item.Alignment = enumOf<TAlignment>(name, v, names::Alignment);
        else if (name == "Borders")
            item.Borders = bordersOf(name, v);
        else if (name == "CheckFalse")
            item.CheckFalse = stringValue(name, v);
        else if (name == "CheckTrue")
            item.CheckTrue = stringValue(name, v);
        else if (name == "Color")
            read.color = colorOf(name, v);
        else if (name == "ColumnPopup")
            read.popupName = identValue(name, v);
        else if (name == "ColumnPopupType")
            item.ColumnPopupType = enumOf<TColumnPopupType>(name, v, names::ColumnPopupType);
        else if (name == "ComboItems.Strings")
            item.ComboItems = listOf(name, v);
        else if (name == "DropDownCount")
            item.DropDownCount = intOf(name, v);
        else if (name == "EditLength")
            item.EditLength = intOf(name, v);
        else if (name == "EditLink")
            identValue(name, v); // a link object of another window: nothing to bind to here
        else if (name == "EditMask")
            item.EditMask = stringValue(name, v);
        else if (name == "Editor")
            read.editor = enumOf<TEditorType>(name, v, names::EditorType);
        else if (name == "Filter.Strings")
            item.Filter = listOf(name, v);
        else if (name == "FilterCaseSensitive")
            item.FilterCaseSensitive = booleanValue(name, v);
        else if (name == "Fixed")
            item.Fixed = booleanValue(name, v);
        else if (name == "FloatFormat")
            read.floatFormat = stringValue(name, v);
        else if (name == "Header")
            read.header = stringValue(name, v);
        else if (name == "HeaderAlignment")
            item.HeaderAlignment = enumOf<TAlignment>(name, v, names::Alignment);
        else if (name == "MinSize")
            item.MinSize = intOf(name, v);
        else if (name == "MaxSize")
            item.MaxSize = intOf(name, v);
        else if (name == "Name")
            item.Name = stringValue(name, v);
        else if (name == "Password")
            item.Password = booleanValue(name, v);
        else if (name == "PrintBorderCustom")
            item.PrintBorderCustom = booleanValue(name, v);
        else if (name == "PrintBorders")
            item.PrintBorders = bordersOf(name, v);
        else if (name == "PrintColor")
            item.PrintColor = colorOf(name, v);
        else if (name == "PrintFontCustom")
            item.PrintFontCustom = booleanValue(name, v);
        else if (name == "ReadOnly")
            item.ReadOnly = booleanValue(name, v);
        else if (name == "ShowBands")
            item.ShowBands = booleanValue(name, v);
        else if (name == "SortStyle")
            item.SortStyle = enumOf<TSortStyle>(name, v, names::SortStyle);
        else if (name == "SortPrefix")
            item.SortPrefix = stringValue(name, v);
        else if (name == "SortSuffix")
            item.SortSuffix = stringValue(name, v);
        else if (name == "SpinMax")
            item.SpinMax = intOf(name, v);
        else if (name == "SpinMin")
            item.SpinMin = intOf(name, v);
        else if (name == "SpinStep")
            item.SpinStep = intOf(name, v);
        else if (name == "Tag")
            item.Tag = intOf(name, v);
        else if (name == "Width")
            read.width = int(integerValue(name, v, 0, 32767));
        else
            unknownProperty(name);
    }
}

} // namespace

QByteArray TExColumnGrid::SaveColumnsToStream() const
{
    QByteArray out;
    TComponentWriter w(out);
    w.beginRecord("TExColumnGridIO");
    w.beginCollection("Items");
    for (int i = 0; i < m_columns->Count(); ++i) {
        w.beginItem();
        writeItem(w, *m_columns->Items(i));
        w.endItem();
    }
    w.endCollection();
    w.endRecord();
    return out;
}

void TExColumnGrid::LoadColumnsFromStream(QByteArrayView st)
{
    TComponentReader reader(st);
    TPropertyList properties;
    reader.readRecord(properties);
    std::vector<TReadItem> items;
    for (const TStreamProperty &p : properties) {
        if (p.name != "Items")
            unknownProperty(p.name);
        if (p.value.type != vaCollection)
            throw EReadError(QStringLiteral("Invalid property value for Items"));
        items.clear();
        for (const TPropertyList &itemProperties : p.value.items) {
            items.emplace_back();
            readItem(itemProperties, items.back());
        }
    }

    TGridColumnCollection &columns = *m_columns;
    columns.FNoRecursiveUpdate = true;
    while (columns.Count() > 0)
        columns.Delete(columns.Count() - 1);
    for (TReadItem &read : items) {
        TGridColumnItem *item = columns.Add();
        item->Assign(*read.item);
        item->FEditorType = read.editor;
        item->FColor = read.color;
        item->FFloatFormat = read.floatFormat;
        item->ColumnPopup = read.popupName.isEmpty() ? nullptr : window()->findChild<QMenu *>(read.popupName);
        if (read.width >= 0)
            item->setWidth(read.width);
        item->setHeader(read.header);
    }
    columns.FNoRecursiveUpdate = false;
    update();
}

} // namespace controls
