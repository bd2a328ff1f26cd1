#pragma once
// The drop-down edit every drop-down editor derives from: a one-line edit
// with an arrow button inside its right edge, an optional caption label
// beside it, border colours of its own, and a popup that opens below or
// above it. The popup's life cycle is a fixed sequence of virtual steps
// (prepare, size, place, open, focus, close, restore); a descendant
// overrides the steps it needs and relies on their order.
//
// Descendants are made by create<T>(), which runs the construction in two
// phases: the C++ constructors first, then Initialize(), where the base's
// steps (which call virtual operations a descendant overrides) run before
// the descendant's own.
#include "controls/dropdown/ExPopupStrip.h"
#include "controls/dropdown/core/DropDownTypes.h"
#include "controls/dropdown/core/EditTypes.h"
#include "controls/dropdown/paint/PopupAppearance.h"
#include "controls/grid/base/Themes.h"
#include "controls/grid/base/editors/AttachedLabel.h"
#include "platform/Color.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QLineEdit>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>

namespace controls {

class TDropDownEditButton;
class TDropDownForm;

class TExCustomDropDown : public QLineEdit, public TLabelProperties, public IFenloStyle, public IFenloTones {
    Q_OBJECT
protected:
    // Only create<T>() makes one, so that Initialize() always runs.
    class TConstructKey {
        friend class TExCustomDropDown;
        TConstructKey() = default;
    };

public:
    TExCustomDropDown(TConstructKey, QWidget *parent);
    ~TExCustomDropDown() override;

    template <class T, class... Args>
    static T *create(QWidget *parent, Args &&...args)
    {
        T *dropDown = new T(TConstructKey(), parent, std::forward<Args>(args)...);
        static_cast<TExCustomDropDown *>(dropDown)->Initialize();
        return dropDown;
    }

    // Copies the settings of another drop-down (nothing from anything
    // else); its text, label and border colours stay its own.
    virtual void Assign(const QObject *source);

    // ---- look ----
    platform::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(platform::TColor color);
    platform::TColor FocusBorderColor() const { return m_focusBorderColor; }
    void setFocusBorderColor(platform::TColor color);
    // A silver frame while disabled (themed only).
    bool DisabledBorder() const { return m_disabledBorder; }
    void setDisabledBorder(bool disabled);
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    // The highlight a focused edit that cannot be typed in shows.
    bool FocusDraw() const { return m_focusDraw; }
    void setFocusDraw(bool draw) { m_focusDraw = draw; }
    QString Version() const;
    virtual std::uint32_t PackedVersion() const { return 0x01000200; }

    // ---- popup ----
    int DropDownWidth() const { return m_dropDownWidth; }
    void setDropDownWidth(int width);
    int DropDownHeight() const { return m_dropDownHeight; }
    void setDropDownHeight(int height);
    TDropPosition DropPosition() const { return m_dropPosition; }
    void setDropPosition(TDropPosition position) { m_dropPosition = position; }
    // Kept: the platform draws no popup shadow of ours.
    bool DropDownShadow() const { return m_dropDownShadow; }
    void setDropDownShadow(bool shadow) { m_dropDownShadow = shadow; }
    bool ForceShadow() const { return m_forceShadow; }
    void setForceShadow(bool force) { m_forceShadow = force; }
    bool DropDownSizeable() const { return m_dropDownSizeable; }
    void setDropDownSizeable(bool sizeable) { m_dropDownSizeable = sizeable; }
    int DropDownBorderWidth() const { return m_dropDownBorderWidth; }
    void setDropDownBorderWidth(int width);
    platform::TColor DropDownBorderColor() const { return m_dropDownBorderColor; }
    void setDropDownBorderColor(platform::TColor color);
    platform::TColor DropDownColor() const { return m_dropDownColor; }
    void setDropDownColor(platform::TColor color) { m_dropDownColor = color; }
    platform::TColor DropDownColorTo() const { return m_dropDownColorTo; }
    void setDropDownColorTo(platform::TColor color) { m_dropDownColorTo = color; }
    TGradientDirection DropDownGradient() const { return m_dropDownGradient; }
    void setDropDownGradient(TGradientDirection direction) { m_dropDownGradient = direction; }
    // Stored only; the track-bar drop-down publishes it.
    bool DropDownEnabled() const { return m_dropDownEnabled; }
    void setDropDownEnabled(bool enabled) { m_dropDownEnabled = enabled; }

    // ---- the arrow button ----
    // Reads 17 on a new drop-down, whose button is 16 wide until another
    // width is set.
    int DropDownButtonWidth() const { return m_buttonWidth; }
    void setDropDownButtonWidth(int width);
    QString DropDownButtonHint() const { return m_buttonHint; }
    void setDropDownButtonHint(const QString &hint);
    platform::TBitmap DropDownButtonGlyph() const;
    void setDropDownButtonGlyph(const platform::TBitmap &glyph);
    QString DropDownButtonCaption() const;
    void setDropDownButtonCaption(const QString &caption);
    TDropDownEditButton *DropDownButton() const { return m_button; }

    // ---- editing ----
    // False: the text cannot be typed in and a click into it opens the popup.
    bool EditorEnabled() const { return m_editorEnabled; }
    virtual void setEditorEnabled(bool enabled);
    bool ReturnIsTab() const { return m_returnIsTab; }
    void setReturnIsTab(bool tab) { m_returnIsTab = tab; }
    bool DefaultHandling() const { return m_defaultHandling; }
    void setDefaultHandling(bool handling) { m_defaultHandling = handling; }
    // Escape on a closed drop-down selects the value and forgets the
    // changes, instead of reaching the dialog's cancel button.
    bool CanUndo() const { return m_canUndo; }
    void setCanUndo(bool canUndo) { m_canUndo = canUndo; }
    platform::TImageList *Images() const { return m_images; }
    virtual void setImages(platform::TImageList *images);

    // The value as Text stores it; descendants format it on the way in.
    // (Through a QLineEdit pointer, setText is the plain one.)
    // Without the prefix and the suffix.
    QString Text() const { return Value(); }
    virtual void setText(const QString &value);
    // The text exactly as passed: no formatting, the modified flag kept.
    void SetPlainText(const QString &text);
    // The rectangle the text is kept to, in the client area's pixels.
    platform::TRect EditRect() const { return m_editRect; }
    void SetModifiedFlag(bool modified) { setModified(modified); }
    // The text the edit had when it last got the focus.
    QString OldString() const { return m_oldString; }
    // The next change notification is swallowed (after a reformat).
    void BlockNextChange() { m_blockChange = true; }

    // ---- typed input ----
    TDropDownEditType EditType() const { return m_editSettings.EditType; }
    void setEditType(TDropDownEditType type);
    int Precision() const { return m_editSettings.Precision; }
    void setPrecision(int precision);
    QString Prefix() const { return m_editSettings.Prefix; }
    void setPrefix(const QString &prefix);
    QString Suffix() const { return m_editSettings.Suffix; }
    void setSuffix(const QString &suffix);
    int LengthLimit() const { return m_editSettings.LengthLimit; }
    void setLengthLimit(int limit) { m_editSettings.LengthLimit = limit; }
    bool Signed() const { return m_editSettings.Signed; }
    void setSigned(bool isSigned) { m_editSettings.Signed = isSigned; }
    QString ValidChars() const { return m_editSettings.ValidChars; }
    void setValidChars(const QString &chars) { m_editSettings.ValidChars = chars; }
    bool AllowNumericNullValue() const { return m_allowNumericNullValue; }
    void setAllowNumericNullValue(bool allow) { m_allowNumericNullValue = allow; }
    bool ExcelStyleDecimalSeparator() const { return m_editSettings.ExcelStyleDecimalSeparator; }
    void setExcelStyleDecimalSeparator(bool excel) { m_editSettings.ExcelStyleDecimalSeparator = excel; }
    bool AutoThousandSeparator() const { return m_editSettings.AutoThousandSeparator; }
    void setAutoThousandSeparator(bool automatic) { m_editSettings.AutoThousandSeparator = automatic; }
    // The settings the typed rules read, MaxLength included.
    TEditTypeSettings EditTypeSettings() const;
    void SetFloatValue(double value);
    void SetIntValue(std::int64_t value);
    double GetFloatValue() const;
    // The value without the prefix and the suffix.
    QString Value() const;
    // Caret to the value's start, the whole value selected.
    void SelectAllValue();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();
    // A paste by the edit type's rule, from the clipboard or a drop.
    void PasteValue(const QString &text);
    // Most characters typing and pasting leave (0: none); text set by code
    // is not cut.
    int MaxLength() const { return m_editSettings.MaxLength; }
    void setMaxLength(int length) { m_editSettings.MaxLength = std::max(0, length); }
    std::function<void(QObject *Sender, const QString &value, bool &allow)> OnClipboardCopy;
    std::function<void(QObject *Sender, const QString &value, bool &allow)> OnClipboardCut;
    std::function<void(QObject *Sender, const QString &value, bool &allow)> OnClipboardPaste;

    // ---- header, footer and their buttons ----
    THeaderAppearance &DropDownHeader() { return m_header; }
    const THeaderAppearance &DropDownHeader() const { return m_header; }
    TFooterAppearance &DropDownFooter() { return m_footer; }
    const TFooterAppearance &DropDownFooter() const { return m_footer; }
    TExButtonAppearance &ButtonAppearance() { return m_buttonAppearance; }
    std::function<void(QObject *Sender, int buttonIndex)> OnDropDownHeaderButtonClick;
    std::function<void(QObject *Sender, int buttonIndex)> OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;

    // ---- colours ----
    // Recolours the popup, its header, footer and buttons; tsCustom only
    // stores the style.
    void SetComponentStyle(TFenloStyle style) override;
    TFenloStyle GetComponentStyle() const { return m_fenloStyle; }
    // The arrow button's colours and the edit's frame from the tones.
    void SetColorTones(const TColorTones &tones) override;
    const TColorTones &ColorTones() const { return m_colorTones; }
    TSelectionColorStyle SelectionColorStyle() const { return m_selectionColorStyle; }
    virtual void setSelectionColorStyle(TSelectionColorStyle style);
    platform::TColor SelectionColor() const { return m_selectionColor; }
    void setSelectionColor(platform::TColor color) { m_selectionColor = color; }
    platform::TColor SelectionColorTo() const { return m_selectionColorTo; }
    void setSelectionColorTo(platform::TColor color) { m_selectionColorTo = color; }
    // Lists in the popups paint their selected item through this.
    virtual void DrawSelection(platform::TCanvas &canvas, const platform::TRect &r, int partKind,
                               platform::TColor cornerColor);
    virtual void DrawGradientFill(platform::TCanvas &canvas, platform::TColor fromColor, platform::TColor toColor,
                                  int steps, const platform::TRect &r, TGradientDirection direction);

    // ---- the popup's life cycle ----
    TDropDownForm *DropDownForm() const;
    QWidget *DropDownControl() const { return m_control; }
    bool DroppedDown() const { return m_droppedDown; }
    void ShowDropDown() { OpenDropDown(); }
    void HideDropDown(bool cancelChanges) { CloseDropDown(cancelChanges); }
    // The control the popup shows; descendants set it in EnsureDropDownForm.
    void SetDropDownControl(QWidget *control);
    // The control focused after opening (by default the hosted one).
    void SetFocusControl(QWidget *control) { m_focusControl = control; }
    // The arrow button's click and, without EditorEnabled, a click into the
    // text: opens unless the popup is open or it was closed by this click.
    void OpenFromButton();

    // ---- events ----
    platform::TNotifyEvent OnChange;
    platform::TNotifyEvent OnBeforeDropDown;
    std::function<void(QObject *Sender, bool &acceptDrop)> OnDropDown;
    platform::TNotifyEvent OnBeforeDropUp;
    std::function<void(QObject *Sender, bool cancelled)> OnDropUp;
    std::function<void(QObject *Sender, int &key, Qt::KeyboardModifiers shift)> OnKeyDown;
    std::function<void(QObject *Sender, QChar &key)> OnKeyPress;
    platform::TNotifyEvent OnLabelClick;
    platform::TNotifyEvent OnLabelDblClick;

    // ---- steps the popup and the grid's wrappers call ----
    // Keys pressed in the popup or in its control reach the edit at once;
    // a Qt key press carries the key-down and the character steps both.
    virtual void DropDownFormKeyDown(QKeyEvent &event);
    virtual void DropDownFormKeyUp(QKeyEvent &event);
    virtual void ControlKeyDown(QKeyEvent &event);
    virtual void ControlKeyUp(QKeyEvent &event);
    virtual void DropDownFormWheelDown(Qt::KeyboardModifiers shift, QPoint mousePos, bool &handled);
    virtual void DropDownFormWheelUp(Qt::KeyboardModifiers shift, QPoint mousePos, bool &handled);
    virtual void DropDownFormSizing() {}
    virtual void DropDownFormDestroyed() {}
    virtual void AfterCloseDropDown();
    // The popup was deactivated by a click or a window elsewhere.
    void DropDownFormDeactivated(bool cancel);
    // True for a key the hosted control already handed on, which the
    // control left to its parent, the popup: it must not come twice.
    bool takeKeyFromControl(const QKeyEvent &event);

    // The key-down and character steps of a key press, as the grid's
    // wrappers call them.
    virtual void HandleKeyDown(int &key, Qt::KeyboardModifiers shift);
    virtual void HandleKeyPress(QChar &key);

    // Every change of the edit's text, once Qt's own handling returned:
    // the base raises OnChange; descendants read the new text after it.
    virtual void HandleTextChange();

protected:
    // The base's construction steps; an override calls it first.
    virtual void Initialize();

    virtual void FireLabelClick();
    virtual void FireLabelDblClick();

    virtual void EnsureDropDownForm();
    virtual void EnsureDropDownButton();
    virtual void LayoutDropDownButton();
    virtual void PrepareDropDown();
    virtual void AdjustDropDownHeight(int &height) { Q_UNUSED(height); }
    virtual void FocusDropDownControl();
    virtual void OpenDropDown();
    virtual void PlaceDropDownControl();
    virtual void ComputeDropDownSize();
    // The room the shown header and footer take in the popup.
    int DropDownStripsHeight() const;
    // Fits the popup's width to a list of the given width after the list
    // took the popup's full height (so that it knows whether it scrolls).
    void FitDropDownToList(QWidget &list, const std::function<int()> &listWidth);
    virtual void CloseDropDown(bool cancel);
    // A cancel puts back the descendant's own value here, after the popup
    // closed and before the edit's text comes back.
    virtual void RestoreDropDownValue() {}
    virtual void WheelDown() {}
    virtual void WheelUp() {}
    virtual void PaintNonEditable(platform::TCanvas &canvas);
    virtual void UpdateEditRect();
    virtual void LayoutEditButton();

    // The steps of a WM_KEYDOWN and a WM_CHAR as the edit gets them.
    virtual void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift);
    virtual void HandleCharMessage(QChar &key);

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

    // Pixels of the frame around the client area (0 without a border).
    int frameInset() const;
    bool isThemed() const;
    // The popup as the user left it at the last close (-1: none yet).
    int userDropDownWidth() const { return m_userWidth; }
    int userDropDownHeight() const { return m_userHeight; }
    // The next popup takes its size from its content again.
    void ForgetUserDropDownSize() { m_userWidth = m_userHeight = -1; }

private:
    friend class TDropDownForm;

    // Shows a value's text as the user's own entry (marks the edit modified).
    void showValueText(const std::optional<QString> &shown);

    // Runs a call into the Qt edit's own handling; the change it makes is
    // reported after it returned. False when a handler freed the drop-down.
    template <class Call>
    bool insideQt(Call &&call)
    {
        QPointer<TExCustomDropDown> alive(this);
        ++m_changeDepth;
        call();
        if (!alive)
            return false;
        --m_changeDepth;
        return flushChange();
    }
    bool flushChange();
    void closingKey(int key, Qt::KeyboardModifiers shift);

    int minEditHeight() const;
    void paintBorder(platform::TCanvas &canvas);
    void raiseChange();
    void toggleDropDown();
    void placeForm(QSize size);
    bool editable() const { return m_editorEnabled && !isReadOnly(); }
    // The open popup follows a change of the header, the footer or their
    // buttons.
    void stripsChanged();

    // Typed input: the edit's text is Prefix + value + Suffix.
    TEditState editState() const;
    void applyEditState(const TEditState &state);
    void setValueText(const QString &value);
    // True when the typed rules took the character (refused or applied).
    bool typeCharacter(QChar c, bool keypad);
    bool prefixSuffixKey(QKeyEvent &event);
    // Paste, cut, copy and the keys about the prefix and suffix: true when
    // the key was handled here.
    bool editingKey(QKeyEvent &event);
    void keepCaretInValue();
    bool pasteFromClipboard();
    bool cutToClipboard();
    bool copyToClipboard();

    // look
    platform::TColor m_borderColor = platform::clNone;
    platform::TColor m_focusBorderColor = platform::clNone;
    bool m_disabledBorder = true;
    bool m_flat = false;
    bool m_focusDraw = true;
    bool m_mouseInControl = false;
    TFenloStyle m_fenloStyle = tsOffice2007Luna;
    TColorTones m_colorTones;
    TSelectionColorStyle m_selectionColorStyle = scOffice2007;
    platform::TColor m_selectionColor = platform::clNone;
    platform::TColor m_selectionColorTo = platform::clNone;

    // typed input
    TEditTypeSettings m_editSettings;
    bool m_allowNumericNullValue = false;

    // header, footer and their buttons
    THeaderAppearance m_header;
    TFooterAppearance m_footer;
    TExButtonAppearance m_buttonAppearance;

    // popup
    // Freed elsewhere, it is forgotten.
    QPointer<TDropDownForm> m_form;
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_focusControl;
    bool m_droppedDown = false;
    int m_dropDownWidth = 0;
    int m_dropDownHeight = 0;
    int m_userWidth = -1;
    int m_userHeight = -1;
    TDropPosition m_dropPosition = dpAuto;
    bool m_dropDownShadow = true;
    bool m_forceShadow = false;
    bool m_dropDownSizeable = true;
    int m_dropDownBorderWidth = 1;
    platform::TColor m_dropDownBorderColor = platform::clBlack;
    platform::TColor m_dropDownColor = platform::clWhite;
    platform::TColor m_dropDownColorTo = platform::clNone;
    TGradientDirection m_dropDownGradient = gdHorizontal;
    bool m_dropDownEnabled = false;
    // The text the value last stored through Text.
    QString m_oldText;
    // The edit's text when the popup opened: a cancel brings it back.
    QString m_openText;

    // button
    TDropDownEditButton *m_button = nullptr;
    int m_buttonWidth = 17;
    QString m_buttonHint;
    bool m_buttonDown = false;
    // The modifiers of the key press whose character step runs.
    Qt::KeyboardModifiers m_keyShift;
    // The key the hosted control handed on last, until the popup sees it.
    const QKeyEvent *m_controlKey = nullptr;
    int m_controlKeyCode = 0;
    int m_controlKeyType = 0;

    // editing
    bool m_editorEnabled = true;
    bool m_returnIsTab = false;
    bool m_defaultHandling = true;
    bool m_canUndo = true;
    bool m_blockChange = false;
    QString m_oldString;
    platform::TRect m_editRect;
    platform::TImageList *m_images = nullptr;
    platform::TChangeLink m_imagesLink;

    // Text changes inside Qt's own handling are reported once it returned,
    // so that a handler may free the drop-down.
    int m_changeDepth = 0;
    bool m_changePending = false;
    bool m_destroying = false;
};

} // namespace controls
