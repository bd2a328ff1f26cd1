#pragma once
// How the grid moves, edits and uses the clipboard from the keyboard. The
// options are plain settings the grid reads when it needs them; only the
// advance direction and AdvanceInsert change what is shown, and AdvanceAuto
// implies AdvanceOnEnter.
#include "controls/grid/base/OptionEvent.h"

namespace controls {

enum class THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum class TClipboardPasteAction { paReplace, paInsert };
enum class TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum class TInsertPosition { pInsertBefore, pInsertAfter };
enum class TCursorAdvance { caDefault, caSnake, caLoop };

struct TNavigationOptions {
    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AlwaysEdit = false;
    bool AdvanceOnEnter = false;
    bool AdvanceOnEnterLoop = true;
    bool AdvanceAutoEdit = true;
    bool AdvanceSkipReadOnlyCells = true;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    bool AllowClipboardShortCuts = false;
    bool AllowCtrlEnter = true;
    bool AllowSmartClipboard = false;
    bool AllowRTFClipboard = false;
    bool AllowFmtClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardRowGrow = true;
    bool AllowClipboardColGrow = true;
    bool AppendOnArrowDown = false;
    bool EditSelectAll = true;
    bool ComboGetUpDown = true;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool CursorMoveRows = false;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool MoveScrollOnly = false;
    bool ImproveMaskSel = false;
    bool LeftRightRowSelect = true;
    bool CopyHTMLTagsToClipboard = true;
    bool KeepHorizScroll = false;
    bool LineFeedOnEnter = false;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool TabToNextAtEnd = false;
    TAdvanceDirection TabAdvanceDirection = TAdvanceDirection::adLeftRight;
    TInsertPosition InsertPosition = TInsertPosition::pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = TClipboardPasteAction::paReplace;
    TCursorAdvance CursorAdvance = TCursorAdvance::caDefault;
    THomeEndAction HomeEndKey = THomeEndAction::heFirstLastColumn;
};

class TNavigation : public TNavigationOptions {
public:
    TAdvanceDirection AdvanceDirection() const { return m_advanceDirection; }
    void setAdvanceDirection(TAdvanceDirection value);
    bool AdvanceInsert() const { return m_advanceInsert; }
    void setAdvanceInsert(bool value);
    bool AdvanceAuto() const { return m_advanceAuto; }
    void setAdvanceAuto(bool value);

    // Copies every option; fires nothing.
    void Assign(const TNavigation &source);

    TOptionEvent<TNavigation> OnChange;

private:
    TAdvanceDirection m_advanceDirection = TAdvanceDirection::adLeftRight;
    bool m_advanceInsert = false;
    bool m_advanceAuto = false;
};

} // namespace controls
