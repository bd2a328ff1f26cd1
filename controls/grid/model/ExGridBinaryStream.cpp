// The binary cell stream: a header record and, per cell of a rectangle, a
// record of its text, one of its properties, one of its graphic and one of
// the graphic's content, all in the component-stream form
// (core/ComponentStream.h). Loading reads the whole stream before it
// touches a cell, so a stream that does not read changes nothing.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/base/paint/FilePicture.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/model/GridStreamNames.h"
#include "controls/grid/model/core/ComponentStream.h"
#include "controls/grid/model/core/GridError.h"
#include "platform/AtomicFile.h"
#include "platform/ColorNames.h"
#include "platform/FileRead.h"

#include <QBuffer>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <atomic>
#include <cmath>
#include <limits>

namespace controls {

namespace names = streamnames;

namespace {

// A full-grid stream may not ask for a grid larger than this, nor for more
// cells than it holds records for.
constexpr int kMaxStreamCols = 1 << 16;
constexpr int kMaxStreamRows = 1 << 24;
constexpr int kMaxSpan = 1 << 16;
constexpr int kMaxCellSize = 32767;
constexpr qint64 kMaxPicturePixels = 4096 * 4096;

// --- writing -------------------------------------------------------------------------------------------

void writeColor(TComponentWriter &w, QByteArrayView name, platform::TColor color)
{
    if (const auto ident = platform::colorToIdent(color))
        w.writeIdent(name, *ident);
    else
        w.writeInteger(name, color);
}

std::vector<QByteArrayView> fontStyleMembers(const platform::FontStyle &style)
{
    std::vector<QByteArrayView> members;
    const bool bits[] = {style.bold, style.italic, style.underline, style.strikeOut};
    for (int i = 0; i < 4; ++i)
        if (bits[i])
            members.push_back(names::nameOf(names::FontStyle, i));
    return members;
}

QByteArray imageBytes(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A bitmap's data: its size, then the BMP file.
QByteArray bitmapData(const QImage &image)
{
    const QByteArray bmp = imageBytes(image, "BMP");
    QByteArray data(4, '\0');
    qToLittleEndian<std::int32_t>(std::int32_t(bmp.size()), data.data());
    return data + bmp;
}

QImage iconImage(const QIcon &icon)
{
    const QList<QSize> sizes = icon.availableSizes();
    const QSize size = sizes.isEmpty() ? QSize(32, 32) : sizes.last();
    return icon.pixmap(size).toImage();
}

// What a graphic of this kind needs after its record: a content record.
bool hasContentRecord(TCellType type)
{
    switch (type) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
        return true;
    default:
        return false;
    }
}

bool graphicRecorded(const TCellGraphic *g)
{
    if (!g || g->FCellType == ctEmpty)
        return false;
    return hasContentRecord(g->FCellType) ? g->FCellCreated : true;
}

void writeProperties(TComponentWriter &w, const TCellProperties &p, bool hasGraphic)
{
    w.beginRecord("TGridCellPropIO");
    w.writeBoolean("CellProperties.IsBaseCell", p.FIsBaseCell);
    w.writeInteger("CellProperties.CellSpanX", p.FCellSpanX);
    w.writeInteger("CellProperties.CellSpanY", p.FCellSpanY);
    w.writeIdent("CellProperties.Alignment", names::nameOf(names::Alignment, p.FAlignment));
    writeColor(w, "CellProperties.BorderColor", p.FBorderColor);
    w.writeInteger("CellProperties.BorderWidth", p.FBorderWidth);
    writeColor(w, "CellProperties.BrushColor", p.FBrushColor);
    writeColor(w, "CellProperties.BrushColorTo", p.FBrushColorTo);
    w.writeIdent("CellProperties.BrushStyle", names::nameOf(names::BrushStyle, int(p.FBrushStyle)));
    // The object slot as the number it holds; 32 bits, as the stream has.
    w.writeInteger("CellProperties.CellObject", std::int32_t(p.FObject));
    writeColor(w, "CellProperties.FontColor", p.FFontColor);
    if (!p.FFontName.isEmpty())
        w.writeString("CellProperties.FontName", p.FFontName);
    w.writeInteger("CellProperties.FontSize", p.FFontSize);
    w.writeSet("CellProperties.FontStyle", fontStyleMembers(p.FFontStyle));
    w.writeIdent("CellProperties.Editor", names::nameOf(names::EditorType, p.FEditor));
    w.writeIdent("CellProperties.GradientDirection", names::nameOf(names::GradientDirection, p.FGradientDirection));
    w.writeBoolean("CellProperties.ReadOnly", p.FReadOnly);
    w.writeIdent("CellProperties.VAlignment", names::nameOf(names::VAlignment, p.FVAlignment));
    w.writeBoolean("CellProperties.WordWrap", p.FWordWrap);
    w.writeInteger("CellProperties.NodeLevel", p.FNodeLevel);
    if (const QWidget *control = p.FControl.data(); control && !control->objectName().isEmpty()) {
        const QWidget *owner = control->parentWidget();
        const QString ref = owner && !owner->objectName().isEmpty()
                                ? owner->objectName() + u'.' + control->objectName()
                                : control->objectName() + QStringLiteral(".Owner");
        w.writeIdent("CellProperties.Control", ref.toUtf8());
    }
    w.writeBoolean("HasGraphic", hasGraphic);
    w.endRecord();
}

void writeGraphic(TComponentWriter &w, const TCellGraphic &g)
{
    w.beginRecord("TGridGraphicIO");
    w.writeIdent("CellGraphic.CellType", names::nameOf(names::CellType, g.FCellType));
    w.writeIdent("CellGraphic.CellVAlign", names::nameOf(names::CellVAlign, g.FCellVAlign));
    w.writeIdent("CellGraphic.CellHAlign", names::nameOf(names::CellHAlign, g.FCellHAlign));
    w.writeInteger("CellGraphic.CellIndex", g.FCellIndex);
    w.writeBoolean("CellGraphic.CellTransparent", g.FCellTransparent);
    w.writeBoolean("CellGraphic.CellCreated", g.FCellCreated);
    w.writeBoolean("CellGraphic.CellBoolean", g.FCellBoolean);
    w.writeIdent("CellGraphic.CellCheckBoxState", names::nameOf(names::CheckBoxState, g.FCellCheckBoxState));
    w.writeInteger("CellGraphic.CellAngle", g.FCellAngle);
    if (g.FCellValue != 0)
        w.writeExtended("CellGraphic.CellValue", g.FCellValue);
    w.writeInteger("CellGraphic.CellErrFrom", g.FCellErrFrom);
    w.writeInteger("CellGraphic.CellErrLen", g.FCellErrLen);
    if (!g.FCellText.isEmpty())
        w.writeString("CellGraphic.CellText", g.FCellText);
    w.endRecord();
}

void writeContent(TComponentWriter &w, const TCellGraphic &g)
{
    switch (g.FCellType) {
    case ctBitmap:
    case ctBitButton: {
        w.beginRecord("TGridBMPIO");
        const auto *image = static_cast<const QImage *>(g.CellBitmap());
        if (image && !image->isNull())
            w.writeBinary("Bitmap.Data", bitmapData(*image));
        break;
    }
    case ctIcon: {
        w.beginRecord("TGridIconIO");
        const auto *icon = static_cast<const QIcon *>(g.CellIcon());
        if (icon && !icon->isNull())
            w.writeBinary("Icon.Data", imageBytes(iconImage(*icon), "ICO"));
        break;
    }
    case ctRadio:
    case ctImages: {
        w.beginRecord("TGridSLIO");
        QStringList lines;
        if (g.FCellType == ctRadio) {
            if (const auto *list = static_cast<const QStringList *>(g.CellBitmap()))
                lines = *list;
        } else if (const auto *list = static_cast<const TIntList *>(g.CellBitmap())) {
            for (int i = 0; i < list->Count(); ++i)
                lines << QString::number(list->Items(i));
        }
        if (!lines.isEmpty())
            w.writeStringList("Strings.Strings", lines);
        break;
    }
    case ctPicture: {
        w.beginRecord("TGridPicIO");
        const auto *image = static_cast<const QImage *>(g.CellBitmap());
        if (image && !image->isNull()) {
            // An image with transparency keeps it as PNG; others go as bitmaps.
            const bool png = image->hasAlphaChannel();
            const QByteArray className = png ? "TPngImage" : "TBitmap";
            QByteArray data(1, char(className.size()));
            data += className;
            data += png ? imageBytes(*image, "PNG") : bitmapData(*image);
            w.writeBinary("Picture.Data", data);
        }
        break;
    }
    case ctFilePicture: {
        w.beginRecord("TGridFilePicIO");
        const auto *file = static_cast<const TFilePicture *>(g.CellBitmap());
        if (file && !file->Filename().isEmpty())
            w.writeString("Picture.Filename", file->Filename());
        break;
    }
    default:
        return;
    }
    w.endRecord();
}

// --- reading -------------------------------------------------------------------------------------------

struct THeaderRecord {
    int colCount = 0;
    int rowCount = 0;
    QString colWidths;
    QString rowHeights;
    bool fullGrid = false;
};

// The properties a cell record carried; what it left out stays the cell's.
struct TPropsPatch {
    std::optional<bool> isBaseCell;
    std::optional<int> spanX, spanY;
    std::optional<TAlignment> alignment;
    std::optional<platform::TColor> borderColor;
    std::optional<int> borderWidth;
    std::optional<platform::TColor> brushColor, brushColorTo;
    std::optional<platform::TBrushStyle> brushStyle;
    std::optional<std::intptr_t> object;
    std::optional<platform::TColor> fontColor;
    std::optional<QString> fontName;
    std::optional<int> fontSize;
    std::optional<platform::FontStyle> fontStyle;
    std::optional<TEditorType> editor;
    std::optional<TCellGradientDirection> gradient;
    std::optional<bool> readOnly;
    std::optional<TVAlignment> valignment;
    std::optional<bool> wordWrap;
    std::optional<int> nodeLevel;
};

struct TGraphicRecord {
    TCellType type = ctNone;
    TCellVAlign valign = vaTop;
    TCellHAlign halign = haLeft;
    int index = 0;
    bool transparent = false;
    bool created = false;
    bool boolean = false;
    TCheckBoxState checkState = cbUnchecked;
    int angle = 0;
    double value = 0;
    int errFrom = 0;
    int errLen = 0;
    QString text;
    // The content record's payload.
    QImage image;
    QStringList lines;
    QString fileName;
};

struct TLoadedCell {
    int col = 0;
    int row = 0;
    QString text;
    std::unique_ptr<TPropsPatch> props;
    std::unique_ptr<TGraphicRecord> graphic;
};

int intValue(QByteArrayView name, const TStreamValue &v, int min = std::numeric_limits<int>::min(),
             int max = std::numeric_limits<int>::max())
{
    return int(integerValue(name, v, min, max));
}

template <class Enum>
Enum enumValue(QByteArrayView name, const TStreamValue &v, names::NameTable table)
{
    if (v.type != vaIdent)
        identValue(name, v);
    const auto ordinal = names::ordinalOf(table, v.ident);
    if (!ordinal)
        throw EReadError(QStringLiteral("Invalid property value for %1").arg(QString::fromUtf8(name)));
    return Enum(*ordinal);
}

platform::TColor colorValue(QByteArrayView name, const TStreamValue &v)
{
    if (v.type == vaIdent) {
        if (const auto color = platform::identToColor(v.ident))
            return *color;
        throw EReadError(QStringLiteral("Invalid property value for %1").arg(QString::fromUtf8(name)));
    }
    return platform::TColor(std::uint32_t(integerValue(name, v, std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::uint32_t>::max())));
}

platform::FontStyle fontStyleValue(QByteArrayView name, const TStreamValue &v)
{
    if (v.type != vaSet)
        throw EReadError(QStringLiteral("Invalid property value for %1").arg(QString::fromUtf8(name)));
    platform::FontStyle style;
    bool *bits[] = {&style.bold, &style.italic, &style.underline, &style.strikeOut};
    for (const QString &member : v.names) {
        const auto ordinal = names::ordinalOf(names::FontStyle, member);
        if (!ordinal)
            throw EReadError(QStringLiteral("Invalid property value for %1").arg(QString::fromUtf8(name)));
        *bits[*ordinal] = true;
    }
    return style;
}

THeaderRecord readHeader(TComponentReader &reader)
{
    THeaderRecord h;
    reader.beginRecord();
    QByteArrayView name;
    TStreamValue v;
    while (reader.nextProperty(name, v)) {
        if (name == "ColCount")
            h.colCount = intValue(name, v, 0, kMaxStreamCols);
        else if (name == "RowCount")
            h.rowCount = intValue(name, v, 0, kMaxStreamRows);
        else if (name == "ColWidths")
            h.colWidths = stringValue(name, v);
        else if (name == "RowHeights")
            h.rowHeights = stringValue(name, v);
        else if (name == "FullGrid")
            h.fullGrid = booleanValue(name, v);
        else if (name == "ID")
            intValue(name, v);
        else
            unknownProperty(name);
    }
    return h;
}

void readPropsRecord(TComponentReader &reader, TPropsPatch &p, bool &hasGraphic)
{
    reader.beginRecord();
    // Written in this order; the names carry the nested object's path.
    static constexpr const char *kNames[] = {
        "CellProperties.IsBaseCell", "CellProperties.CellSpanX", "CellProperties.CellSpanY",
        "CellProperties.Alignment", "CellProperties.BorderColor", "CellProperties.BorderWidth",
        "CellProperties.BrushColor", "CellProperties.BrushColorTo", "CellProperties.BrushStyle",
        "CellProperties.CellObject", "CellProperties.FontColor", "CellProperties.FontName",
        "CellProperties.FontSize", "CellProperties.FontStyle", "CellProperties.Editor",
        "CellProperties.GradientDirection", "CellProperties.ReadOnly", "CellProperties.VAlignment",
        "CellProperties.WordWrap", "CellProperties.NodeLevel", "CellProperties.Control", "HasGraphic"};
    TPropertyNames names(kNames);
    QByteArrayView name;
    TStreamValue v;
    while (reader.nextProperty(name, v)) {
        switch (names.find(name)) {
        case 0: p.isBaseCell = booleanValue(name, v); break;
        case 1: p.spanX = intValue(name, v, -1, kMaxSpan); break;
        case 2: p.spanY = intValue(name, v, -1, kMaxSpan); break;
        case 3: p.alignment = enumValue<TAlignment>(name, v, names::Alignment); break;
        case 4: p.borderColor = colorValue(name, v); break;
        case 5: p.borderWidth = intValue(name, v, 0, kMaxCellSize); break;
        case 6: p.brushColor = colorValue(name, v); break;
        case 7: p.brushColorTo = colorValue(name, v); break;
        case 8: p.brushStyle = enumValue<platform::TBrushStyle>(name, v, names::BrushStyle); break;
        case 9: p.object = intValue(name, v); break;
        case 10: p.fontColor = colorValue(name, v); break;
        case 11: p.fontName = stringValue(name, v); break;
        case 12: p.fontSize = intValue(name, v, -kMaxCellSize, kMaxCellSize); break;
        case 13: p.fontStyle = fontStyleValue(name, v); break;
        case 14: p.editor = enumValue<TEditorType>(name, v, names::EditorType); break;
        case 15: p.gradient = enumValue<TCellGradientDirection>(name, v, names::GradientDirection); break;
        case 16: p.readOnly = booleanValue(name, v); break;
        case 17: p.valignment = enumValue<TVAlignment>(name, v, names::VAlignment); break;
        case 18: p.wordWrap = booleanValue(name, v); break;
        case 19: p.nodeLevel = intValue(name, v, 0, kMaxSpan); break;
        case 20: identValue(name, v); break; // a control of another window: nothing to bind to here
        case 21: hasGraphic = booleanValue(name, v); break;
        default: unknownProperty(name);
        }
    }
}

void readGraphicRecord(TComponentReader &reader, TGraphicRecord &g)
{
    reader.beginRecord();
    static constexpr QByteArrayView prefix("CellGraphic.");
    QByteArrayView full;
    TStreamValue v;
    while (reader.nextProperty(full, v)) {
        if (!full.startsWith(prefix))
            unknownProperty(full);
        const QByteArrayView name = full.sliced(prefix.size());
        if (name == "CellType")
            g.type = enumValue<TCellType>(full, v, names::CellType);
        else if (name == "CellVAlign")
            g.valign = enumValue<TCellVAlign>(full, v, names::CellVAlign);
        else if (name == "CellHAlign")
            g.halign = enumValue<TCellHAlign>(full, v, names::CellHAlign);
        else if (name == "CellIndex")
            g.index = intValue(full, v);
        else if (name == "CellTransparent")
            g.transparent = booleanValue(full, v);
        else if (name == "CellCreated")
            g.created = booleanValue(full, v);
        else if (name == "CellBoolean")
            g.boolean = booleanValue(full, v);
        else if (name == "CellCheckBoxState")
            g.checkState = enumValue<TCheckBoxState>(full, v, names::CheckBoxState);
        else if (name == "CellAngle")
            g.angle = intValue(full, v);
        else if (name == "CellValue") {
            if (v.type != vaExtended && !v.isInteger())
                throw EReadError(QStringLiteral("Invalid property value for %1").arg(QString::fromUtf8(full)));
            g.value = v.type == vaExtended ? v.real : double(v.integer);
        } else if (name == "CellErrFrom")
            g.errFrom = intValue(full, v);
        else if (name == "CellErrLen")
            g.errLen = intValue(full, v);
        else if (name == "CellText")
            g.text = stringValue(full, v);
        else
            unknownProperty(full);
    }
}

QImage decodeImage(QByteArrayView bytes, const char *format)
{
    QByteArray data = bytes.toByteArray();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // A header may claim any size: a cell picture larger than this is a lie
    // to be refused before its pixels are allocated.
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        throw EReadError(QStringLiteral("Invalid picture data"));
    QImage image;
    if (!reader.read(&image))
        throw EReadError(QStringLiteral("Invalid picture data"));
    return image;
}

// A bitmap's data: a size within the bytes, then that many bytes of BMP.
QImage decodeBitmapData(QByteArrayView data)
{
    if (data.size() < 4)
        throw EReadError(QStringLiteral("Invalid picture data"));
    const std::int32_t size = qFromLittleEndian<std::int32_t>(data.data());
    if (size < 0 || size > data.size() - 4)
        throw EReadError(QStringLiteral("Invalid picture data"));
    return decodeImage(data.sliced(4, size), "BMP");
}

// A picture's data: the class name of its graphic, then that graphic's data.
QImage decodePictureData(QByteArrayView data)
{
    if (data.isEmpty() || std::uint8_t(data[0]) > data.size() - 1)
        throw EReadError(QStringLiteral("Invalid picture data"));
    const qsizetype n = std::uint8_t(data[0]);
    const QByteArrayView className = data.sliced(1, n);
    const QByteArrayView rest = data.sliced(1 + n);
    if (className == "TBitmap")
        return decodeBitmapData(rest);
    if (className == "TIcon")
        return decodeImage(rest, "ICO");
    if (className == "TPngImage" || className == "TPNGObject")
        return decodeImage(rest, "PNG");
    if (className == "TJPEGImage") {
        if (rest.size() < 4)
            throw EReadError(QStringLiteral("Invalid picture data"));
        const std::int32_t size = qFromLittleEndian<std::int32_t>(rest.data());
        if (size < 0 || size > rest.size() - 4)
            throw EReadError(QStringLiteral("Invalid picture data"));
        return decodeImage(rest.sliced(4, size), "JPEG");
    }
    throw EReadError(QStringLiteral("Invalid picture data"));
}

void readContentRecord(TComponentReader &reader, TGraphicRecord &g)
{
    reader.beginRecord();
    QByteArrayView name;
    TStreamValue v;
    while (reader.nextProperty(name, v)) {
        const bool bitmap = g.type == ctBitmap || g.type == ctBitButton;
        const bool lines = g.type == ctRadio || g.type == ctImages;
        if (bitmap && name == "Bitmap.Data" && v.type == vaBinary) {
            g.image = decodeBitmapData(v.binary);
        } else if (g.type == ctIcon && name == "Icon.Data" && v.type == vaBinary) {
            g.image = decodeImage(v.binary, "ICO");
        } else if (lines && name == "Strings.Strings" && v.type == vaList) {
            g.lines = v.names;
            if (g.type == ctImages)
                for (const QString &line : g.lines)
                    if (bool ok = false; line.trimmed().toInt(&ok), !ok)
                        throw EReadError(QStringLiteral("Invalid property value for Strings.Strings"));
        } else if (g.type == ctPicture && name == "Picture.Data" && v.type == vaBinary) {
            g.image = decodePictureData(v.binary);
        } else if (g.type == ctFilePicture && name == "Picture.Filename") {
            g.fileName = stringValue(name, v);
        } else {
            unknownProperty(name);
        }
    }
}

TLoadedCell readCell(TComponentReader &reader)
{
    TLoadedCell cell;
    bool hasProp = false;
    reader.beginRecord();
    static constexpr const char *kNames[] = {"Col", "Row", "Cell", "HasProp"};
    TPropertyNames names(kNames);
    QByteArrayView name;
    TStreamValue v;
    while (reader.nextProperty(name, v)) {
        switch (names.find(name)) {
        // Above 65,535 an index is stored whole, not cut to 16 bits.
        case 0: cell.col = intValue(name, v, 0); break;
        case 1: cell.row = intValue(name, v, 0); break;
        case 2: cell.text = stringValue(name, v); break;
        case 3: hasProp = booleanValue(name, v); break;
        default: unknownProperty(name);
        }
    }
    if (!hasProp)
        return cell;
    cell.props = std::make_unique<TPropsPatch>();
    bool hasGraphic = false;
    readPropsRecord(reader, *cell.props, hasGraphic);
    if (!hasGraphic)
        return cell;
    cell.graphic = std::make_unique<TGraphicRecord>();
    readGraphicRecord(reader, *cell.graphic);
    if (hasContentRecord(cell.graphic->type))
        readContentRecord(reader, *cell.graphic);
    return cell;
}

// "12,20,7" as numbers; raises for any that is none or out of range.
std::vector<int> sizeList(const QString &text, const char *what)
{
    std::vector<int> sizes;
    if (text.isEmpty())
        return sizes;
    for (const QStringView part : QStringView(text).split(u',')) {
        bool ok = false;
        const int size = part.trimmed().toInt(&ok);
        if (!ok || size < 0 || size > kMaxCellSize)
            throw EReadError(QStringLiteral("Invalid property value for %1").arg(QLatin1StringView(what)));
        sizes.push_back(size);
    }
    return sizes;
}

void applyPatch(TCellProperties &p, const TPropsPatch &patch)
{
    const auto set = [](auto &field, const auto &value) {
        if (value)
            field = *value;
    };
    // The merge state is not copied: areas are merged through the grid
    // once every cell is in place (LoadAtPointFromBinStream).
    set(p.FAlignment, patch.alignment);
    set(p.FBorderColor, patch.borderColor);
    set(p.FBorderWidth, patch.borderWidth);
    set(p.FBrushColor, patch.brushColor);
    set(p.FBrushColorTo, patch.brushColorTo);
    set(p.FBrushStyle, patch.brushStyle);
    set(p.FObject, patch.object);
    set(p.FFontColor, patch.fontColor);
    set(p.FFontName, patch.fontName);
    set(p.FFontSize, patch.fontSize);
    set(p.FFontStyle, patch.fontStyle);
    set(p.FEditor, patch.editor);
    set(p.FGradientDirection, patch.gradient);
    set(p.FReadOnly, patch.readOnly);
    set(p.FVAlignment, patch.valignment);
    set(p.FWordWrap, patch.wordWrap);
    set(p.FNodeLevel, patch.nodeLevel);
}

int percentOf(int done, int total)
{
    return int(std::lround(100.0 * done / std::max(1, total)));
}

} // namespace

int TExStringGrid::GridID() const
{
    static std::atomic<int> next{0};
    if (m_gridId == 0)
        m_gridId = ++next;
    return m_gridId;
}

QByteArray TExStringGrid::SaveToBinStream()
{
    return SaveRectToBinStream(platform::Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()));
}

QByteArray TExStringGrid::SaveRectToBinStream(const platform::TRect &Rect)
{
    QByteArray out;
    TComponentWriter w(out);
    const int cols = Rect.Right - Rect.Left + 1;
    const int rows = Rect.Bottom - Rect.Top + 1;
    const bool fullGrid = SaveFixedCells ? rows == RowCount() && cols == ColCount()
                                         : rows == RowCount() - FixedRows() && cols == ColCount() - FixedCols();
    QStringList widths, heights;
    for (int c = Rect.Left; c <= Rect.Right; ++c)
        widths << QString::number(AllColWidths(c));
    for (int r = Rect.Top; r <= Rect.Bottom; ++r)
        heights << QString::number(RowHeights(r));
    w.beginRecord("TGridPropIO");
    w.writeInteger("ColCount", cols);
    w.writeInteger("RowCount", rows);
    w.writeString("ColWidths", widths.join(u','));
    w.writeString("RowHeights", heights.join(u','));
    w.writeBoolean("FullGrid", fullGrid);
    w.writeInteger("ID", GridID());
    w.endRecord();

    ExportNotification(esExportStart, Rect.Top);
    int last = -1;
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            const TCellProperties *props = propsOf(c, r);
            w.beginRecord("TGridCellIO");
            w.writeInteger("Col", c);
            w.writeInteger("Row", r);
            if (const QString text = Cells(c, r); !text.isEmpty())
                w.writeString("Cell", text);
            w.writeBoolean("HasProp", props != nullptr);
            w.endRecord();
            if (!props)
                continue;
            const TCellGraphic *g = graphicOf(c, r);
            const bool hasGraphic = graphicRecorded(g);
            writeProperties(w, *props, hasGraphic);
            if (!hasGraphic)
                continue;
            writeGraphic(w, *g);
            writeContent(w, *g);
        }
        fireFileProgress(percentOf(r - Rect.Top, Rect.Bottom - Rect.Top), last);
    }
    ExportNotification(esExportDone, -1);
    return out;
}

void TExStringGrid::LoadFromBinStream(QByteArrayView Stream)
{
    LoadAtPointFromBinStream(QPoint(0, 0), Stream);
    int nodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (const TCellGraphic *g = graphicOf(0, r); g && g->FCellType == ctNode)
            ++nodes;
    sortFilter().numNodes = nodes;
    if (nodes > 0)
        InvalidateCol(0);
}

void TExStringGrid::LoadAtPointFromBinStream(QPoint Point, QByteArrayView Stream)
{
    // Everything is read and checked first: a fault raises before the
    // grid has changed.
    TComponentReader reader(Stream);
    const THeaderRecord header = readHeader(reader);
    std::vector<TLoadedCell> cells;
    // A cell record takes at least 40 bytes.
    cells.reserve(std::size_t(Stream.size() / 40));
    while (reader.remaining() >= 2)
        cells.push_back(readCell(reader));
    std::vector<int> widths, heights;
    int cols = ColCount();
    int rows = RowCount();
    if (header.fullGrid) {
        // Counts that ask for more cells than the stream holds are a lie.
        if (std::int64_t(header.colCount) * header.rowCount > std::int64_t(cells.size()))
            throw EReadError(QStringLiteral("Invalid stream format"));
        widths = sizeList(header.colWidths, "ColWidths");
        heights = sizeList(header.rowHeights, "RowHeights");
        // A stream saved without its fixed cells keeps their places: the
        // grid grows by at most its fixed rows and columns to hold them.
        cols = header.colCount;
        rows = header.rowCount;
        const int maxCols = header.colCount + FixedCols();
        const int maxRows = header.rowCount + FixedRows();
        for (const TLoadedCell &cell : cells) {
            if (cell.col < maxCols)
                cols = std::max(cols, cell.col + 1);
            if (cell.row < maxRows)
                rows = std::max(rows, cell.row + 1);
        }
    }

    if (header.fullGrid) {
        Clear();
        setRowCount(rows);
        setColCount(cols);
        for (int i = 0; i < ColCount() && std::size_t(i) < widths.size(); ++i)
            setColWidths(i, widths[std::size_t(i)]);
        for (int i = 0; i < RowCount() && std::size_t(i) < heights.size(); ++i)
            setRowHeights(i, heights[std::size_t(i)]);
    }
    const QPoint origin = header.fullGrid || cells.empty() ? QPoint(0, 0) : QPoint(cells[0].col, cells[0].row);
    int last = -1;
    int lastRow = -1;
    std::vector<std::pair<QPoint, QSize>> merges;
    for (TLoadedCell &cell : cells) {
        const std::int64_t tc = std::int64_t(cell.col) + Point.x() - origin.x();
        const std::int64_t tr = std::int64_t(cell.row) + Point.y() - origin.y();
        // Cells that fall outside the grid are left out, not written to
        // whatever lies there.
        if (tc < 0 || tr < 0 || tc >= TotalColCount() || tr >= RowCount())
            continue;
        const int col = int(tc);
        const int row = int(tr);
        setCells(col, row, cell.text);
        if (row != lastRow) {
            lastRow = row;
            fireFileProgress(percentOf(row, RowCount()), last);
        }
        if (!cell.props)
            continue;
        TCellProperties &props = GetCellProperties(col, row);
        applyPatch(props, *cell.props);
        props.placedAt(col, row);
        const TPropsPatch &patch = *cell.props;
        if (patch.isBaseCell.value_or(true) && (patch.spanX.value_or(-1) >= 0 || patch.spanY.value_or(-1) >= 0))
            merges.emplace_back(QPoint(col, row), QSize(std::max(0, patch.spanX.value_or(0)) + 1,
                                                         std::max(0, patch.spanY.value_or(0)) + 1));
        if (!cell.graphic)
            continue;
        TGraphicRecord &rec = *cell.graphic;
        TCellGraphic *g = AttachNewCellGraphic(col, row);
        if (!g)
            continue;
        switch (rec.type) {
        case ctBitmap:
        case ctBitButton:
        case ctPicture:
            g->setCellBitmap(g->adopt(std::make_unique<QImage>(std::move(rec.image))));
            break;
        case ctIcon:
            g->setCellIcon(g->adopt(std::make_unique<QIcon>(QPixmap::fromImage(rec.image))));
            break;
        case ctRadio:
            g->setCellBitmap(g->adopt(std::make_unique<QStringList>(std::move(rec.lines))));
            break;
        case ctImages: {
            TIntList *list = g->SetMultiImage(col, row, 0, rec.halign, rec.valign, [this](TIntList *, int c, int r) {
                RepaintCell(DisplColIndex(c), r);
            });
            for (const QString &line : rec.lines)
                list->Add(line.trimmed().toInt());
            break;
        }
        case ctFilePicture: {
            auto file = std::make_unique<TFilePicture>();
            // The stream names a file; it is not opened on the stream's word.
            file->setFilenameUnread(rec.fileName);
            g->setCellBitmap(g->adopt(std::move(file)));
            break;
        }
        default:
            break;
        }
        g->FCellType = rec.type;
        g->FCellVAlign = rec.valign;
        g->FCellHAlign = rec.halign;
        g->FCellIndex = rec.index;
        g->FCellTransparent = rec.transparent;
        g->FCellCreated = rec.created;
        g->FCellBoolean = rec.boolean;
        g->FCellCheckBoxState = rec.checkState;
        g->FCellAngle = rec.angle;
        g->FCellValue = rec.value;
        g->FCellErrFrom = rec.errFrom;
        g->FCellErrLen = rec.errLen;
        g->FCellText = rec.text;
    }
    for (const auto &[base, span] : merges)
        MergeCells(base.x(), base.y(), span.width(), span.height());
}

void TExStringGrid::SaveToBinFile(const QString &FileName)
{
    if (!platform::writeFileAtomically(FileName, SaveToBinStream()))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromBinFile(const QString &FileName)
{
    const platform::FileRead read = platform::readWholeFile(FileName);
    if (!read.ok())
        throw ZOraZaziRarar(QStringLiteral("Cannot open file ") + FileName);
    LoadFromBinStream(read.bytes);
}

} // namespace controls
