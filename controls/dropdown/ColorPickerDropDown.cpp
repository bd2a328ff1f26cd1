#include "controls/dropdown/ColorPickerDropDown.h"

#include "controls/dropdown/ColorPanels.h"
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/DrawFlags.h"
#include "platform/ui/QtIntervalTimer.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

namespace controls {

using namespace platform;

TExColorPickerDropDown::TExColorPickerDropDown(TConstructKey key, QWidget *parent,
                                               std::unique_ptr<IntervalTimer> searchTimer)
    : TExCustomDropDown(key, parent),
      m_search(searchTimer ? std::move(searchTimer) : std::make_unique<QtIntervalTimer>())
{
    m_colors.OnChange = [this] { colorsChanged(); };
}

TExColorPickerDropDown::~TExColorPickerDropDown()
{
    m_colors.OnChange = nullptr;
    if (m_list)
        m_list->OnItemSelect = nullptr;
    if (m_palette)
        m_palette->OnItemSelect = nullptr;
    if (m_cube)
        m_cube->OnSelect = nullptr;
    if (m_spectrum)
        m_spectrum->OnSelect = nullptr;
}

void TExColorPickerDropDown::Initialize()
{
    TExCustomDropDown::Initialize();
    setEditorEnabled(false);
    setDropDownEnabled(true);
    setDropDownHeight(200);
    setCursor(Qt::ArrowCursor);
    DropDownHeader().setVisible(false);
    DropDownFooter().setVisible(false);
}

void TExColorPickerDropDown::AddDefaultColors()
{
    std::vector<TColorItem> colors = m_colors.items();
    for (const TNamedColor &named : defaultColors())
        colors.push_back({QString::fromLatin1(named.Caption), named.Color, QString(), true});
    m_colors.Assign(std::move(colors));
}

// ---- values ----

void TExColorPickerDropDown::setItemIndex(int index)
{
    if (index >= m_colors.Count())
        return;
    m_itemIndex = std::max(-1, index);
    if (m_itemIndex >= 0)
        m_selectedColor = m_colors.at(m_itemIndex).Color;
    update();
    if (OnSelect)
        OnSelect(this);
}

void TExColorPickerDropDown::setSelectedColor(TColor color)
{
    if (color == m_selectedColor)
        return;
    m_selectedColor = color;
    for (int i = 0; i < m_colors.Count(); ++i) {
        if (m_colors.at(i).Color == color) {
            setItemIndex(i);
            return;
        }
    }
    // The caption of another colour's item would name this one.
    m_itemIndex = -1;
    update();
}

void TExColorPickerDropDown::setColorValueText(TColorValueText format)
{
    if (format == m_valueText)
        return;
    m_valueText = format;
    update();
}

void TExColorPickerDropDown::setShowText(bool show)
{
    if (show == m_showText)
        return;
    m_showText = show;
    update();
}

QString TExColorPickerDropDown::SelectedColorText() const
{
    if (m_style == csList && m_itemIndex >= 0 && m_itemIndex < m_colors.Count())
        return m_colors.at(m_itemIndex).Caption;
    return colorValueText(m_selectedColor, m_valueText);
}

void TExColorPickerDropDown::SetComponentStyle(TFenloStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    ApplyItemAppearanceStyle(&m_itemAppearance, style);
}

void TExColorPickerDropDown::setSelectionColorStyle(TSelectionColorStyle style)
{
    TExCustomDropDown::setSelectionColorStyle(style);
    if (m_list)
        m_list->ItemAppearance().ApplyColorStyle(style);
}

void TExColorPickerDropDown::colorsChanged()
{
    m_stale = true;
    if (m_itemIndex >= m_colors.Count())
        m_itemIndex = -1;
    if (DroppedDown() && m_style == csList)
        FillSelector();
    update();
}

// ---- panels ----

void TExColorPickerDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    EnsurePanel(m_style);
}

void TExColorPickerDropDown::EnsurePanel(TColorSelectionStyle style)
{
    TDropDownForm *form = DropDownForm();
    if (!form)
        return;
    QWidget *panel = nullptr;
    switch (style) {
    case csList:
        if (!m_list) {
            m_list = new TExCustomItemSelector(form);
            m_list->setFocusPolicy(Qt::NoFocus);
            m_list->viewport()->setFocusPolicy(Qt::NoFocus);
            m_list->Panel()->setFocusPolicy(Qt::NoFocus);
            m_list->OnWheel = [this](int step) { step < 0 ? WheelDown() : WheelUp(); };
        }
        m_list->setSelectorType(stColor);
        m_list->setGeometry(0, 0, m_list->width(), 150);
        m_list->setColor(DropDownColor());
        m_list->UpdateSelectorPanel();
        panel = m_list;
        break;
    case csDiscrete:
        if (!m_palette) {
            m_palette = new TCustomColorSelector(form);
            m_palette->AddDefaultColorBoxes();
        }
        m_palette->move(0, 0);
        m_palette->setColor(DropDownColor());
        m_palette->ArrangeItems();
        panel = m_palette;
        break;
    case csColorCube:
        if (!m_cube)
            m_cube = new TExColorCubePanel(form);
        m_cube->move(0, 0);
        m_cube->setColor(DropDownColor());
        panel = m_cube;
        break;
    case csSpectrum:
        if (!m_spectrum)
            m_spectrum = new TExColorSpectrumPanel(form);
        m_spectrum->move(0, 0);
        m_spectrum->setColor(DropDownColor());
        panel = m_spectrum;
        break;
    }
    SetDropDownControl(panel);
}

QWidget *TExColorPickerDropDown::currentPanel() const
{
    switch (m_style) {
    case csList:
        return m_list;
    case csDiscrete:
        return m_palette;
    case csColorCube:
        return m_cube;
    case csSpectrum:
        return m_spectrum;
    }
    return nullptr;
}

void TExColorPickerDropDown::showPanelFor(TColorSelectionStyle style)
{
    EnsurePanel(style);
    QWidget *shown = currentPanel();
    for (QWidget *panel : std::initializer_list<QWidget *>{m_list, m_palette, m_cube, m_spectrum})
        if (panel && panel != shown)
            panel->hide();
    switch (style) {
    case csList:
        FillSelector();
        m_list->OnDrawItem = nullptr;
        if (OnDrawColor)
            m_list->OnDrawItem = [this](QObject *, TCanvas &canvas, TRect r, int index) {
                OnDrawColor(this, canvas, r, index);
            };
        m_oldItemIndex = m_itemIndex;
        break;
    case csDiscrete:
        m_palette->OnItemSelect = nullptr;
        m_palette->setSelectedColor(m_selectedColor);
        m_palette->ArrangeItems();
        m_palette->OnItemSelect = [this](QObject *) { ColorSelectorItemSelected(); };
        m_palette->setItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        m_cube->setSelectedColor(m_selectedColor);
        m_cube->ResetHot();
        m_cube->OnSelect = [this](QObject *) { panelSelected(m_cube->SelectedColor()); };
        break;
    case csSpectrum:
        m_spectrum->setSelectedColor(m_selectedColor);
        m_spectrum->ArrangeSpectrum();
        m_spectrum->OnSelect = [this](QObject *) { panelSelected(m_spectrum->SelectedColor()); };
        break;
    }
    if (shown)
        shown->show();
}

void TExColorPickerDropDown::FillSelector()
{
    if (!m_list)
        return;
    m_list->OnItemSelect = nullptr;
    m_list->setColumns(m_columns);
    m_list->setImages(Images());
    m_list->setItemLayout(m_layout);
    m_list->setColor(DropDownColor());
    m_list->setColorBoxHeight(m_boxHeight);
    m_list->setColorBoxWidth(m_boxWidth);
    m_list->ItemAppearance().Assign(m_itemAppearance);
    // The items are copied only when they changed since the last fill.
    if (m_stale) {
        std::vector<TSelectorItem> rows;
        rows.reserve(std::size_t(m_colors.Count()));
        for (const TColorItem &color : m_colors.items()) {
            TSelectorItem row;
            row.Caption = color.Caption;
            row.Color = color.Color;
            row.Hint = color.Hint;
            row.Enabled = color.Enabled;
            rows.push_back(std::move(row));
        }
        m_list->Items().Assign(std::move(rows));
    } else {
        m_list->UpdateSelectorPanel();
    }
    m_list->setItemIndex(m_itemIndex);
    m_list->OnItemSelect = [this](QObject *) { SelectorItemSelected(); };
    m_list->Panel()->setAttribute(Qt::WA_AlwaysShowToolTips, true);
    m_stale = false;
}

void TExColorPickerDropDown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    // Each style's popup takes its own size.
    ForgetUserDropDownSize();
    showPanelFor(m_style);
    m_oldSelectedColor = m_selectedColor;
}

void TExColorPickerDropDown::ComputeDropDownSize()
{
    TDropDownForm *form = DropDownForm();
    if (!form)
        return;
    const int border = DropDownBorderWidth();
    if (m_style != csList) {
        QWidget *panel = currentPanel();
        const bool shown = panel && !panel->isHidden();
        const int height = 2 * border + (shown ? panel->height() : 0) + DropDownStripsHeight();
        form->resize(shown ? panel->width() + 2 * border : width(), height);
        return;
    }
    if (!m_list) {
        TExCustomDropDown::ComputeDropDownSize();
        return;
    }
    QSize size = m_list->size();
    if (DropDownWidth() < 1)
        size.setWidth(m_list->PanelSize().width());
    if (DropDownHeight() < 1)
        size.setHeight(m_list->PanelSize().height());
    m_list->resize(size);
    TExCustomDropDown::ComputeDropDownSize();
    // The list scrolls when its panel is taller than the room it gets.
    if (m_list->PanelSize().height() > form->height() - 2 * border)
        form->resize(form->width() + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent), form->height());
}

void TExColorPickerDropDown::setColorSelectionStyle(TColorSelectionStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    ForgetUserDropDownSize();
    if (!DropDownForm())
        return;
    showPanelFor(style);
    m_oldSelectedColor = m_selectedColor;
    if (DroppedDown()) {
        ComputeDropDownSize();
        DropDownForm()->layoutControl();
    }
    DropDownForm()->update();
}

void TExColorPickerDropDown::RestoreDropDownValue()
{
    // The choice as it was at opening, colour and item both, none
    // included; the base then puts the text back.
    const bool changed = m_itemIndex != m_oldItemIndex || m_selectedColor != m_oldSelectedColor;
    m_itemIndex = m_oldItemIndex < m_colors.Count() ? m_oldItemIndex : -1;
    m_selectedColor = m_oldSelectedColor;
    update();
    if (changed && OnSelect)
        OnSelect(this);
}

// ---- choices ----

void TExColorPickerDropDown::SelectorItemSelected()
{
    if (!m_list)
        return;
    QPointer<TExColorPickerDropDown> alive(this);
    setItemIndex(m_list->ItemIndex());
    if (alive && !m_internalCall)
        CloseDropDown(false);
}

void TExColorPickerDropDown::ColorSelectorItemSelected()
{
    if (!m_palette)
        return;
    QPointer<TExColorPickerDropDown> alive(this);
    setSelectedColor(m_palette->SelectedColor());
    if (!alive)
        return;
    setItemIndex(-1);
    if (alive && !m_internalCall)
        CloseDropDown(false);
}

void TExColorPickerDropDown::panelSelected(TColor color)
{
    QPointer<TExColorPickerDropDown> alive(this);
    setSelectedColor(color);
    if (!alive)
        return;
    setItemIndex(-1);
    if (alive)
        CloseDropDown(false);
}

void TExColorPickerDropDown::selectInList(int index)
{
    if (!m_list || index < 0 || index >= m_list->Items().Count())
        return;
    m_internalCall = true;
    m_list->setItemIndex(index);
    m_internalCall = false;
}

// ---- keys and wheel ----

void TExColorPickerDropDown::keyPressEvent(QKeyEvent *event)
{
    m_keyText = event->text();
    TExCustomDropDown::keyPressEvent(event);
}

void TExColorPickerDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TExColorPickerDropDown> alive(this);
    const int pressed = key;
    const bool enter = pressed == Qt::Key_Return || pressed == Qt::Key_Enter;
    bool enterHandled = false;
    if (isEnabled() && DroppedDown() && enter) {
        if (m_style == csList && m_list && m_list->ItemHot() >= 0) {
            m_list->setItemIndex(m_list->ItemHot());
            enterHandled = true;
        } else if (m_style == csDiscrete && m_palette && m_palette->ItemHot() >= 0) {
            m_palette->setItemIndex(m_palette->ItemHot());
            enterHandled = true;
        }
        if (!alive)
            return;
    }
    const bool open = DroppedDown();
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
    if (!alive || !isEnabled() || (shift & Qt::AltModifier))
        return;
    if (m_style == csDiscrete && m_palette) {
        m_internalCall = true;
        m_palette->HandleSelectorKey(pressed, EditorEnabled(), open);
        m_internalCall = false;
        if (alive && enter && !enterHandled && OnSelect)
            OnSelect(this);
        return;
    }
    if (m_style != csList || !m_list)
        return;
    if (m_stale)
        FillSelector();
    const int current = m_list->ItemIndex();
    const int count = m_list->Items().Count();
    switch (pressed) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!enterHandled && OnSelect)
            OnSelect(this);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int n = m_list->GetVisibleItemCount();
        if (n >= 1)
            selectInList(pressed == Qt::Key_PageUp ? std::max(0, current - n) : std::min(current + n, count - 1));
        break;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        if (open) {
            m_internalCall = true;
            pressed == Qt::Key_End ? m_list->SelectLast() : m_list->SelectFirst();
            m_internalCall = false;
        } else if (m_colors.Count() > 0) {
            setItemIndex(pressed == Qt::Key_End ? m_colors.Count() - 1 : 0);
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (open && !EditorEnabled()) {
            m_internalCall = true;
            pressed == Qt::Key_Left ? m_list->SelectPrevious() : m_list->SelectNext();
            m_internalCall = false;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (open) {
            selectInList(current < 0 ? 0 : current + (pressed == Qt::Key_Up ? -m_columns : m_columns));
        } else if (m_colors.Count() > 0) {
            const int target = pressed == Qt::Key_Up ? previousIndex(m_itemIndex, m_colors.Count())
                                                     : nextIndex(m_itemIndex, m_colors.Count());
            if (target != m_itemIndex)
                setItemIndex(target);
        }
        break;
    default:
        if (!(shift & Qt::ControlModifier) && !searchKeyText(m_keyText).isEmpty()) {
            const QString search = m_search.add(m_keyText);
            m_internalCall = true;
            m_list->LookupItem(search);
            m_internalCall = false;
        }
        break;
    }
}

void TExColorPickerDropDown::WheelDown()
{
    if (!isEnabled() || isReadOnly())
        return;
    if (m_style == csList && m_list) {
        if (DroppedDown()) {
            m_list->HotNext();
        } else {
            if (m_stale)
                FillSelector();
            m_internalCall = true;
            m_list->SelectNext();
            m_internalCall = false;
        }
    } else if (m_style == csDiscrete && m_palette) {
        if (DroppedDown()) {
            m_palette->HotNext();
        } else {
            m_internalCall = true;
            m_palette->SelectNext();
            m_internalCall = false;
        }
    }
}

void TExColorPickerDropDown::WheelUp()
{
    if (!isEnabled() || isReadOnly())
        return;
    if (m_style == csList && m_list) {
        if (DroppedDown()) {
            m_list->HotPrevious();
        } else {
            if (m_stale)
                FillSelector();
            m_internalCall = true;
            m_list->SelectPrevious();
            m_internalCall = false;
        }
    } else if (m_style == csDiscrete && m_palette) {
        if (DroppedDown()) {
            m_palette->HotPrevious();
        } else {
            m_internalCall = true;
            m_palette->SelectPrevious();
            m_internalCall = false;
        }
    }
}

// ---- the edit ----

void TExColorPickerDropDown::PaintNonEditable(TCanvas &canvas)
{
    TExCustomDropDown::PaintNonEditable(canvas);
    PaintSelectedColor(canvas);
}

void TExColorPickerDropDown::PaintSelectedColor(TCanvas &canvas)
{
    const TRect r = Rect(1, 1, width() - DropDownButtonWidth() - 2, height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, canvas, r);
        return;
    }
    if (m_selectedColor == clNone)
        return;
    const int x = r.Left + 4;
    const int y = 1 + (height() - m_boxHeight) / 2;
    setPen(canvas, clBlack);
    setBrush(canvas, m_selectedColor);
    canvas.Rectangle(x, y, x + m_boxWidth, y + m_boxHeight);
    if (!m_showText)
        return;
    const bool focused = hasFocus();
    setCanvasFont(canvas.Font(), font(), !EditorEnabled() && focused ? clHighlightText : clWindowText);
    setBrushClear(canvas);
    TRect text = Rect(x + m_boxWidth + 4, r.Top, r.Right, r.Bottom);
    canvas.DrawText(SelectedColorText(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

} // namespace controls
