#pragma once
// The one graphic object a cell of the string grid may carry besides its
// text: a bitmap, an icon, a picture, an image index, a check box, a radio
// group, a button, a progress bar, a comment... The kind decides what the
// fields mean. A payload the grid made for the cell (a created bitmap, an
// option list) is owned by the object and freed with it; a payload the
// caller passed in stays the caller's.
#include "controls/grid/base/GridObject.h"
#include "controls/grid/base/IntList.h"

#include <QSize>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>

namespace controls {

enum TCellType : std::uint8_t {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
    ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
    ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
    ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand,
};
enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };
enum TStretchMode : std::uint8_t { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon : std::uint8_t { biNone, biInfo, biWarning, biError };
// An in-cell scroll bar's page and range.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
};

class TCellGraphic : public TGridObject {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic &) = delete;
    TCellGraphic &operator=(const TCellGraphic &) = delete;

    // Copies the published fields, not the payloads.
    void Assign(const TCellGraphic &source);

    // The payload: a caller's object or one this graphic owns. Typed by the
    // kind; the grid's getters cast it back.
    void *CellBitmap() const { return FCellBitmap; }
    void *CellIcon() const { return FCellIcon; }
    // Takes a payload the grid made; it lives as long as this object or
    // until another payload replaces it.
    template <class T>
    T *adopt(std::unique_ptr<T> payload)
    {
        T *raw = payload.get();
        m_owned = std::shared_ptr<void>(std::move(payload));
        return raw;
    }
    // Watches the owned payload: expired once it is freed.
    std::weak_ptr<void> ownedPayload() const { return m_owned; }
    void setCellBitmap(void *payload) { FCellBitmap = payload; }
    void setCellIcon(void *payload) { FCellIcon = payload; }
    // Frees an owned payload now (a balloon taken off a check box).
    void dropOwned() { m_owned.reset(); }

    void SetBitmap(void *bmp, bool transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(void *icon, TCellHAlign hal, TCellVAlign val);
    void SetPicture(void *picture, bool transparent, TStretchMode mode, int padding, TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(void *picture, bool transparent, TStretchMode mode, int padding, TCellHAlign hal,
                        TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // The image indexes of a multi-image cell, owned by this object.
    TIntList *SetMultiImage(int col, int row, int dir, TCellHAlign hal, TCellVAlign val, TImageChangeEvent notifier);
    void SetCheckBox(bool value, bool data, bool flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState value, bool flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool value, bool flat, TCellHAlign hal, TCellVAlign val);
    // Brought into 0..360 (360 itself stays).
    void SetAngle(int angle);
    // The size packs into FCellIndex: width low 16 bits, height high.
    void SetButton(int bw, int bh, const QString &caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString &caption, void *glyph, TCellHAlign hal, TCellVAlign val);
    // The application's painter object (it implements IGridCellPainter).
    void SetInterfacedCell(void *object);
    // The size a picture or file picture is drawn at in a cell of cw x rh;
    // (0, 0) for the other kinds.
    QSize GetPictureSize(int cw, int rh, bool hastext) const;

    TCellType FCellType = ctNone;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    int FCellAngle = 0;
    double FCellValue = 0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    QString FCellText;
    QVariant FCellVar;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;

private:
    void place(TCellType type, TCellHAlign hal, TCellVAlign val);

    void *FCellBitmap = nullptr;
    void *FCellIcon = nullptr;
    std::shared_ptr<void> m_owned;
};

} // namespace controls
