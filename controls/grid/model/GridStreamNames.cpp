#include "controls/grid/model/GridStreamNames.h"

namespace controls::streamnames {

namespace {

constexpr const char *kAlignment[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char *kVAlignment[] = {"vtaTop", "vtaCenter", "vtaBottom"};
constexpr const char *kBrushStyle[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                       "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
constexpr const char *kEditorType[] = {
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
    "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric", "edFloat",
    "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase", "edFloatSpinEdit",
    "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn", "edCustom", "edRichEdit", "edNone",
    "edDateTimeEdit", "edValidChars", "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown",
    "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown", "edColorPickerDropDown", "edImagePickerDropDown",
    "edExGridDropDown", "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};
constexpr const char *kGradientDirection[] = {"GradientVertical", "GradientHorizontal"};
constexpr const char *kCellType[] = {
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
    "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment",
    "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary", "ctRangeIndicator",
    "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape", "ctRating",
    "ctTriStateCheckBox", "ctExpand"};
constexpr const char *kCellHAlign[] = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
constexpr const char *kCellVAlign[] = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
constexpr const char *kCheckBoxState[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr const char *kSortStyle[] = {
    "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase", "ssAlphaCase", "ssShortDateEU",
    "ssShortDateUS", "ssCustom", "ssFinancial", "ssAnsiAlphaCase", "ssAnsiAlphaNoCase", "ssRaw", "ssHTML",
    "ssImages", "ssCheckBox", "ssDateTime", "ssTime", "ssAlphaNumeric", "ssAlphaNumericNoCase"};
constexpr const char *kColumnPopupType[] = {"cpFixedCellsRClick", "cpFixedCellsLClick", "cpNormalCellsRClick",
                                            "cpNormalCellsLClick", "cpAllCellsRClick", "cpAllCellsLClick"};
constexpr const char *kFontStyle[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr const char *kCellBorder[] = {"cbTop", "cbLeft", "cbRight", "cbBottom"};
constexpr const char *kPenStyle[] = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                     "psInsideFrame"};
constexpr const char *kPenMode[] = {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy",
                                    "pmNotCopy", "pmMerge", "pmMask", "pmXor", "pmNotXor"};

} // namespace

const NameTable Alignment{kAlignment};
const NameTable VAlignment{kVAlignment};
const NameTable BrushStyle{kBrushStyle};
const NameTable EditorType{kEditorType};
const NameTable GradientDirection{kGradientDirection};
const NameTable CellType{kCellType};
const NameTable CellHAlign{kCellHAlign};
const NameTable CellVAlign{kCellVAlign};
const NameTable CheckBoxState{kCheckBoxState};
const NameTable SortStyle{kSortStyle};
const NameTable ColumnPopupType{kColumnPopupType};
const NameTable FontStyle{kFontStyle};
const NameTable CellBorder{kCellBorder};
const NameTable PenStyle{kPenStyle};
const NameTable PenMode{kPenMode};

QByteArrayView nameOf(NameTable table, int ordinal)
{
    if (ordinal < 0 || std::size_t(ordinal) >= table.size())
        return {};
    return QByteArrayView(table[std::size_t(ordinal)]);
}

std::optional<int> ordinalOf(NameTable table, QByteArrayView name)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (name == QByteArrayView(table[i]))
            return int(i);
    return std::nullopt;
}

std::optional<int> ordinalOf(NameTable table, const QString &name)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (name == QLatin1StringView(table[i]))
            return int(i);
    return std::nullopt;
}

} // namespace controls::streamnames
