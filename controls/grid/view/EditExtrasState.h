#pragma once
// The private part of the string grid that its rich-text editor, focus
// glow, design-time helper, form controls, fixed-cell editors and edit
// links share.
#include "controls/grid/model/ExGrid.h"

#include <QPointer>

namespace controls {

class TExRichEdit;
class TGridFocusWindow;
class TControlEdit;
class TControlCombo;
class TGridTransEdit;
class TGridTransCombo;
class TEditLink;

struct TGridEditExtras {
    explicit TGridEditExtras(TExStringGrid *grid) : owner(grid) {}
    // A grid that dies with its glow shown takes the glow with it.
    ~TGridEditExtras();
    TGridEditExtras(const TGridEditExtras &) = delete;
    TGridEditExtras &operator=(const TGridEditExtras &) = delete;

    TExStringGrid *owner;
    QPointer<TExRichEdit> richEdit; // the hidden converter
    QPointer<TExRichEdit> inplaceRichEdit;
    QPointer<TGridFocusWindow> focusWindow;
    platform::TRect glowCell{}; // the cell rectangle the glow was built for

    bool designing = false;
    bool showDesignHelper = true;
    bool showColNrs = true;
    int lastDesignChoice = -1;

    // The form control being edited: its cell (real column), ID and type.
    QPointer<TControlEdit> controlEdit;
    QPointer<TControlCombo> controlCombo;
    QPoint ctrlXY{-1, -1};
    QString ctrlID;
    QString ctrlType;
    bool ctrlEditing = false;

    QPointer<TGridTransEdit> editTrans;
    QPointer<TGridTransCombo> comboTrans;
    int fixedColEdit = -1;
    int fixedRowEdit = -1;

    QPointer<TEditLink> editLink;
};

// The grid's event filter for these concerns, installed with their state.
void installEditExtrasHooks(TExStringGrid &grid);

} // namespace controls
