#pragma once
// The names the grid's streams give the values of its enumerations and
// sets ("taCenter", "ctBitmap", "fsBold"), in ordinal order.
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <span>

namespace controls::streamnames {

using NameTable = std::span<const char *const>;

extern const NameTable Alignment; // TAlignment
extern const NameTable VAlignment; // TVAlignment
extern const NameTable BrushStyle; // platform::TBrushStyle
extern const NameTable EditorType; // TEditorType
extern const NameTable GradientDirection; // TCellGradientDirection
extern const NameTable CellType; // TCellType
extern const NameTable CellHAlign;
extern const NameTable CellVAlign;
extern const NameTable CheckBoxState;
extern const NameTable SortStyle;
extern const NameTable ColumnPopupType;
extern const NameTable FontStyle; // the members of a font's style set
extern const NameTable CellBorder; // the members of TCellBorders
extern const NameTable PenStyle;
extern const NameTable PenMode;

// The name of an ordinal; empty beyond the table.
QByteArrayView nameOf(NameTable table, int ordinal);
// The ordinal of a name; nothing for a name the table lacks.
std::optional<int> ordinalOf(NameTable table, QByteArrayView name);
std::optional<int> ordinalOf(NameTable table, const QString &name);

} // namespace controls::streamnames
