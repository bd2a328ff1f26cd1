#include "controls/dropdown/DropDownEdit.h"

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/NumberRules.h"
#include "controls/dropdown/core/PopupRules.h"
#include "controls/dropdown/paint/Gradient.h"
#include "controls/grid/base/ThemeBinding.h"
#include "controls/grid/base/editors/EditorDrawing.h"
#include "controls/grid/base/editors/FramedPicker.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Edges.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QPaintEvent>

namespace controls {

using namespace platform;

TExCustomDropDown::TExCustomDropDown(TConstructKey, QWidget *parent) : QLineEdit(parent), TLabelProperties(static_cast<QWidget &>(*this))
{
    setAttribute(Qt::WA_Hover);
    resize(200, 21);
    attachedLabel().OnClick = [this] { platform::guarded([this] { FireLabelClick(); }); };
    attachedLabel().OnDblClick = [this] { platform::guarded([this] { FireLabelDblClick(); }); };
    m_imagesLink.OnFree = [this] {
        m_images = nullptr;
        update();
    };
    m_header.OnChange = [this] { stripsChanged(); };
    m_header.OnButtonsChanged = [this] { stripsChanged(); };
    m_footer.OnChange = [this] { stripsChanged(); };
    m_footer.OnButtonsChanged = [this] { stripsChanged(); };
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_destroying)
            return;
        if (m_changeDepth > 0)
            m_changePending = true;
        else
            raiseChange();
    });
}

TExCustomDropDown::~TExCustomDropDown()
{
    m_destroying = true;
    OnChange = nullptr;
    if (TDropDownForm *form = m_form) {
        m_form = nullptr;
        form->release();
        if (form->busy()) {
            // One of the popup's handlers is running: it goes once that
            // handler has returned.
            form->hide();
            form->setParent(nullptr);
            form->deleteLater();
        } else {
            delete form;
        }
    }
}

void TExCustomDropDown::Initialize()
{
    m_buttonWidth = 17;
    EnsureDropDownForm();
    EnsureDropDownButton();
    setReadOnly(false);
    m_dropPosition = dpAuto;
    setText(QString());
    m_oldText.clear();
    m_userWidth = -1;
    m_userHeight = -1;
    m_dropDownEnabled = false;
    m_defaultHandling = true;
    m_canUndo = true;
    setSelectionColorStyle(scOffice2007);
    m_focusDraw = true;
    SetComponentStyle(tsOffice2007Luna);
}

void TExCustomDropDown::Assign(const QObject *source)
{
    const auto *from = qobject_cast<const TExCustomDropDown *>(source);
    if (!from || from == this)
        return;
    m_focusDraw = from->m_focusDraw;
    m_forceShadow = from->m_forceShadow;
    m_dropDownEnabled = from->m_dropDownEnabled;
    m_dropDownColor = from->m_dropDownColor;
    m_dropDownColorTo = from->m_dropDownColorTo;
    m_dropDownGradient = from->m_dropDownGradient;
    setDropDownBorderColor(from->m_dropDownBorderColor);
    setDropDownBorderWidth(from->m_dropDownBorderWidth);
    m_dropDownShadow = from->m_dropDownShadow;
    setDropDownWidth(from->m_dropDownWidth);
    setDropDownHeight(from->m_dropDownHeight);
    m_dropDownSizeable = from->m_dropDownSizeable;
    m_returnIsTab = from->m_returnIsTab;
    m_defaultHandling = from->m_defaultHandling;
    m_canUndo = from->m_canUndo;
    m_dropPosition = from->m_dropPosition;
    setFlat(from->m_flat);
    setDropDownButtonWidth(from->m_buttonWidth);
    setDropDownButtonHint(from->m_buttonHint);
    m_editorEnabled = from->m_editorEnabled;
    if (m_button && from->m_button) {
        m_button->Button()->setGlyph(from->m_button->Button()->Glyph());
        m_button->Button()->setCaption(from->m_button->Button()->Caption());
        m_button->Button()->setEtched(from->m_button->Button()->Etched());
    }
    setImages(from->m_images);
    m_selectionColorStyle = from->m_selectionColorStyle;
    m_selectionColor = from->m_selectionColor;
    m_selectionColorTo = from->m_selectionColorTo;
    m_header.Assign(from->m_header);
    m_footer.Assign(from->m_footer);
    m_buttonAppearance.Assign(from->m_buttonAppearance);
    m_editSettings = from->m_editSettings;
    m_allowNumericNullValue = from->m_allowNumericNullValue;
    update();
}

// ---- properties ----

void TExCustomDropDown::setBorderColor(TColor color)
{
    m_borderColor = color;
    update();
    if (m_button)
        m_button->Button()->update();
}

void TExCustomDropDown::setFocusBorderColor(TColor color)
{
    m_focusBorderColor = color;
    update();
}

void TExCustomDropDown::setDisabledBorder(bool disabled)
{
    m_disabledBorder = disabled;
    update();
}

void TExCustomDropDown::setFlat(bool flat)
{
    m_flat = flat;
    if (m_button)
        m_button->Button()->setFlat(flat);
    LayoutEditButton();
}

QString TExCustomDropDown::Version() const
{
    return versionText(PackedVersion());
}

void TExCustomDropDown::setDropDownWidth(int width)
{
    if (width != m_dropDownWidth)
        m_userWidth = -1;
    m_dropDownWidth = width;
}

void TExCustomDropDown::setDropDownHeight(int height)
{
    if (height != m_dropDownHeight)
        m_userHeight = -1;
    m_dropDownHeight = height;
}

void TExCustomDropDown::setDropDownBorderWidth(int width)
{
    m_dropDownBorderWidth = width;
    if (m_form) {
        m_form->layoutControl();
        m_form->update();
    }
}

void TExCustomDropDown::setDropDownBorderColor(TColor color)
{
    m_dropDownBorderColor = color;
    if (m_form)
        m_form->update();
}

void TExCustomDropDown::setDropDownButtonWidth(int width)
{
    if (!m_button || width == m_buttonWidth)
        return;
    m_buttonWidth = width;
    m_button->setBWidth(width);
    LayoutEditButton();
}

void TExCustomDropDown::setDropDownButtonHint(const QString &hint)
{
    if (hint == m_buttonHint)
        return;
    m_buttonHint = hint;
    if (m_button)
        m_button->setToolTip(hint);
}

TBitmap TExCustomDropDown::DropDownButtonGlyph() const
{
    return m_button ? m_button->Button()->Glyph() : TBitmap();
}

void TExCustomDropDown::setDropDownButtonGlyph(const TBitmap &glyph)
{
    if (m_button)
        m_button->Button()->setGlyph(glyph);
}

QString TExCustomDropDown::DropDownButtonCaption() const
{
    return m_button ? m_button->Button()->Caption() : QString();
}

void TExCustomDropDown::setDropDownButtonCaption(const QString &caption)
{
    if (m_button)
        m_button->Button()->setCaption(caption);
}

void TExCustomDropDown::setEditorEnabled(bool enabled)
{
    m_editorEnabled = enabled;
    update();
}

void TExCustomDropDown::setImages(TImageList *images)
{
    if (m_images)
        m_images->UnRegisterChanges(m_imagesLink);
    m_images = images;
    if (m_images)
        m_images->RegisterChanges(m_imagesLink);
    update();
}

void TExCustomDropDown::setText(const QString &value)
{
    const QString v = NormalizeTextValue(value, m_editSettings);
    m_oldText = v;
    QPointer<TExCustomDropDown> alive(this);
    insideQt([&] { QLineEdit::setText(m_editSettings.Prefix + v + m_editSettings.Suffix); });
    if (alive)
        setModified(false);
}

void TExCustomDropDown::SetPlainText(const QString &text)
{
    const bool modified = isModified();
    QPointer<TExCustomDropDown> alive(this);
    insideQt([&] { QLineEdit::setText(text); });
    if (alive)
        setModified(modified);
}

bool TExCustomDropDown::flushChange()
{
    if (m_changeDepth > 0 || !m_changePending)
        return true;
    m_changePending = false;
    QPointer<TExCustomDropDown> alive(this);
    raiseChange();
    return !alive.isNull();
}

void TExCustomDropDown::raiseChange()
{
    if (m_blockChange) {
        m_blockChange = false;
        return;
    }
    // Raised from inside Qt's handling of the edit as often as not.
    platform::guarded([this] { HandleTextChange(); });
}

void TExCustomDropDown::HandleTextChange()
{
    if (OnChange)
        OnChange(this);
}

void TExCustomDropDown::DrawGradientFill(TCanvas &canvas, TColor fromColor, TColor toColor, int steps,
                                         const TRect &r, TGradientDirection direction)
{
    DrawGradient(canvas, fromColor, toColor, steps, r, direction == gdHorizontal);
}

// ---- the label ----

void TExCustomDropDown::FireLabelClick()
{
    if (OnLabelClick)
        OnLabelClick(this);
}

void TExCustomDropDown::FireLabelDblClick()
{
    if (OnLabelDblClick)
        OnLabelDblClick(this);
}

// ---- the button and the text rectangle ----

void TExCustomDropDown::EnsureDropDownButton()
{
    if (!m_button) {
        m_button = new TDropDownEditButton(this);
        m_button->OnClick = [this](QObject *) { OpenFromButton(); };
        m_button->setEnabled(isEnabled());
    }
    LayoutDropDownButton();
}

void TExCustomDropDown::LayoutDropDownButton()
{
    if (!m_button)
        return;
    m_button->resize(m_buttonWidth, 17);
    m_button->show();
    m_button->setFocusControl(this);
}

int TExCustomDropDown::frameInset() const
{
    return hasFrame() ? 2 : 0;
}

int TExCustomDropDown::minEditHeight() const
{
    const int height = fontMetrics().height();
    return height + std::min(height, QFontMetrics(QApplication::font()).height()) / 4;
}

void TExCustomDropDown::LayoutEditButton()
{
    const int a = m_flat ? 3 : hasFrame() ? 4 : 2;
    if (minEditHeight() > height()) {
        // The resize lays the button out again.
        resize(width(), minEditHeight());
        update();
        return;
    }
    if (m_button) {
        // The client area begins inside the frame.
        const int inset = frameInset();
        if (hasFrame())
            m_button->SetBounds(inset + width() - m_button->BWidth() - a, inset + (m_flat ? 2 : 0), 0, height() - a);
        else
            m_button->SetBounds(width() - m_button->BWidth(), 1, 0, height() - 2);
    }
    UpdateEditRect();
    update();
}

void TExCustomDropDown::UpdateEditRect()
{
    const int inset = frameInset();
    const int clientWidth = width() - 2 * inset;
    const int clientHeight = height() - 2 * inset;
    TRect r;
    r.Left = hasFrame() ? 1 : 2;
    r.Top = hasFrame() ? 1 : 3;
    r.Right = clientWidth - (m_button ? m_button->width() : 0) - 3;
    r.Bottom = clientHeight + 1;
    m_editRect = r;
    // The text never runs under the button.
    setTextMargins(0, 0, std::max(0, clientWidth - r.Right), 0);
}

void TExCustomDropDown::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    LayoutEditButton();
}

void TExCustomDropDown::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (m_button)
            m_button->setEnabled(isEnabled());
        if (!isEnabled())
            m_mouseInControl = false;
        update();
        break;
    case QEvent::ReadOnlyChange:
        if (m_button)
            m_button->Button()->update();
        break;
    case QEvent::FontChange:
        // A larger font may need a taller edit.
        LayoutEditButton();
        break;
    default:
        break;
    }
}

// ---- painting ----

bool TExCustomDropDown::isThemed() const
{
    return ATXPVS().Loaded() && ATXPVS().Api().IsThemeActive && ATXPVS().Api().IsThemeActive();
}

void TExCustomDropDown::paintBorder(TCanvas &canvas)
{
    if (isEnabled() && !m_flat && m_borderColor == clNone && m_focusBorderColor == clNone)
        return;
    const bool focused = hasFocus();
    TRect r = Rect(0, 0, width(), height());
    if (!isEnabled() && isThemed() && m_disabledBorder) {
        frameRect(canvas, r, clSilver);
    } else if (m_borderColor != clNone && (!focused || m_focusBorderColor == clNone)) {
        frameRect(canvas, r, m_borderColor);
    } else if (m_focusBorderColor != clNone) {
        if (focused)
            frameRect(canvas, r, m_focusBorderColor);
    } else if (m_mouseInControl || focused) {
        DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        frameRect(canvas, r, clBtnFace);
    } else {
        const TColor parentColor = parentWidget() ? fromQColor(parentWidget()->palette().color(QPalette::Window))
                                                  : ColorToRGB(clBtnFace);
        frameRect(canvas, r, parentColor);
        frameRect(canvas, InflateRect(r, -1, -1), parentColor);
    }
}

void TExCustomDropDown::PaintNonEditable(TCanvas &canvas)
{
    if (m_editorEnabled || !hasFocus() || !m_focusDraw)
        return;
    TRect r = Rect(2, 2, width() - m_buttonWidth - 1, height() - 2);
    canvas.FillColor(r, clHighlight);
    setCanvasFont(canvas.Font(), font(), clHighlightText);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    r.Left += 2;
    r.Right -= 3;
    canvas.DrawText(text(), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TExCustomDropDown::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    // Most edits draw nothing over the Qt edit: no canvas for them.
    const bool border = !isEnabled() || m_flat || m_borderColor != clNone || m_focusBorderColor != clNone;
    if (border || !m_editorEnabled) {
        TCanvas canvas(this);
        platform::guarded([&] {
            paintBorder(canvas);
            PaintNonEditable(canvas);
        });
    }
    if (m_button)
        m_button->Button()->setFocused(m_mouseInControl || hasFocus());
}

} // namespace controls
