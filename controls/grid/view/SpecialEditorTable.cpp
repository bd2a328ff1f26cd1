// Which editor each special editor type opens: one line per type. Types
// that share a maker share one editor control.
#include "controls/grid/view/SpecialEditor.h"

#include <array>

namespace controls {

namespace {

struct TSpecialEditorEntry {
    TEditorType type;
    TSpecialEditorMaker make;
};

constexpr std::array kSpecialEditors{
    TSpecialEditorEntry{edSpinEdit, makeGridSpin},
    TSpecialEditorEntry{edFloatSpinEdit, makeGridSpin},
    TSpecialEditorEntry{edTimeSpinEdit, makeGridSpin},
    TSpecialEditorEntry{edDateSpinEdit, makeGridSpin},
    TSpecialEditorEntry{edComboEdit, makeGridCombo},
    TSpecialEditorEntry{edComboList, makeGridCombo},
    TSpecialEditorEntry{edEditBtn, makeGridEditBtn},
    TSpecialEditorEntry{edNumericEditBtn, makeGridEditBtn},
    TSpecialEditorEntry{edFloatEditBtn, makeGridEditBtn},
    TSpecialEditorEntry{edMaskEditBtn, makeGridEditBtn},
    TSpecialEditorEntry{edCheckBox, makeGridCheckBox},
    TSpecialEditorEntry{edDateEdit, makeGridDatePicker},
    TSpecialEditorEntry{edDateEditUpDown, makeGridDatePicker},
    TSpecialEditorEntry{edTimeEdit, makeGridDatePicker},
    TSpecialEditorEntry{edButton, makeGridButton},
    TSpecialEditorEntry{edUnitEditBtn, makeGridUnitEditBtn},
    TSpecialEditorEntry{edNumericUnitEditBtn, makeGridUnitEditBtn},
    TSpecialEditorEntry{edFloatUnitEditBtn, makeGridUnitEditBtn},
    TSpecialEditorEntry{edDateTimeEdit, makeGridDateTimePicker},
    TSpecialEditorEntry{edRichEdit, makeGridRichEdit},
    TSpecialEditorEntry{edCustom, makeGridEditLink},
};

} // namespace

TSpecialEditorMaker specialEditorMaker(TEditorType type)
{
    for (const TSpecialEditorEntry &entry : kSpecialEditors)
        if (entry.type == type)
            return entry.make;
    return nullptr;
}

} // namespace controls
