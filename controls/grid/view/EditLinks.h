#pragma once
// TEditLink: how an application plugs a control of its own in as the
// editor of edCustom cells, in the cell or in a popup of its own. A
// descendant makes its control in CreateEditor (with GetParent as parent),
// frees it in DestroyEditor, returns it from GetEditControl and moves
// values in and out; the link watches the control's keys and hands those
// that end the edit to the grid.
#include "controls/grid/model/ExGrid.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace controls {

enum TEditStyle : std::uint8_t { esInplace, esPopup };

class TEditLink : public QObject {
    Q_OBJECT
public:
    explicit TEditLink(QObject *AOwner = nullptr);
    // The popup goes with its link, never with another's.
    ~TEditLink() override;

    TExStringGrid *Grid() const { return FOwner; }
    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantReturns = false;
    bool WantTabs = false;
    TEditStyle EditStyle = esInplace;
    int PopupWidth = 0;
    int PopupHeight = 0;
    bool AutoPopupWidth = false;
    int PopupLeft = -1; // -1: at the cell
    int PopupTop = -1;
    int Tag = 0;
    QPoint EditCell{-1, -1}; // real column, row

    // The key handler of the link's control: a key that ends the edit is
    // handed to the grid and set to 0.
    virtual void EditKeyDown(QObject *Sender, std::uint16_t &Key, platform::TShiftState Shift);
    virtual QWidget *GetEditControl() { return nullptr; }
    virtual void CreateEditor(QWidget *AParent) {}
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(platform::TRect R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(platform::TColor AColor, const platform::TFont &AFont) {}
    virtual QString GetEditorValue() { return {}; }
    virtual void SetEditorValue(const QString &Value) {}

    QWidget *GetParent();
    QString GetCellValue();
    void SetCellValue(const QString &S);
    void HideEditor();
    void EditExit(QObject *Sender);
    // The popup lost the focus: the edit ends there.
    void FormExit(QObject *Sender);
    void RestoreWinProc();
    // The popup of an esPopup link, made on first use; a frameless tool window.
    QWidget *PopupForm() const { return FPopupForm.get(); }
    bool SubClassed() const { return FSubClassed; }

private:
    friend class TGridLinkEditor;
    class TLinkControlHook;
    QWidget *ensurePopupForm();
    void watchControl(QWidget *control);

    QPointer<TExStringGrid> FOwner;
    std::unique_ptr<QWidget> FPopupForm;
    QPointer<QObject> FHook;
    QPointer<QWidget> FHooked;
    bool FForcedExit = false;
    bool FSubClassed = false;
    bool FExiting = false;
};

} // namespace controls
