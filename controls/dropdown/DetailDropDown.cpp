#include "controls/dropdown/DetailDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/DrawFlags.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

namespace controls {

using namespace platform;

int TDetailItems::IndexOf(const QString &caption) const
{
    for (int i = 0; i < Count(); ++i)
        if (at(i).Caption == caption)
            return i;
    return -1;
}

TExDetailDropDown::TExDetailDropDown(TConstructKey key, QWidget *parent, std::unique_ptr<IntervalTimer> searchTimer)
    : TExSelectorDropDown(key, parent, std::move(searchTimer))
{
    m_captionFont = font();
    m_notesFont = font();
    m_items.OnChange = [this] { itemsChanged(); };
}

TExDetailDropDown::~TExDetailDropDown()
{
    m_items.OnChange = nullptr;
}

void TExDetailDropDown::Initialize()
{
    TExCustomDropDown::Initialize();
    setEditorEnabled(true);
    setDropDownEnabled(true);
}

void TExDetailDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!DropDownForm())
        return;
    TExCustomItemSelector *selector = ItemSelector();
    if (!selector) {
        selector = createSelector();
        selector->setSelectorType(stImage);
        selector->setGeometry(0, 0, width(), 150);
        // Rows are as wide as the popup: they follow it, never scroll across.
        selector->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        selector->OnDrawItem = [this](QObject *, TCanvas &canvas, TRect r, int index) {
            DrawDetailItem(canvas, r, index);
        };
        selector->OnItemSize = [this](QObject *, QSize &size) { MeasureDetailItem(size); };
        selector->OnResize = [this](QObject *) { ItemSelector()->UpdateSelectorPanel(); };
    }
    selector->setColor(DropDownColor());
    selector->UpdateSelectorPanel();
    SetDropDownControl(selector);
}

void TExDetailDropDown::itemsChanged()
{
    markStale();
    m_captions.clear();
    if (m_itemIndex >= m_items.Count())
        m_itemIndex = -1;
    if (DroppedDown())
        FillSelector();
}

void TExDetailDropDown::FillSelector()
{
    fillSelector(1, m_layout, m_itemIndex, [this] {
        std::vector<TSelectorItem> rows;
        rows.reserve(std::size_t(m_items.Count()));
        for (const TDetailItem &item : m_items.items()) {
            TSelectorItem row;
            row.Caption = item.Caption;
            row.Image = item.Image;
            row.ImageIndex = item.ImageIndex;
            rows.push_back(std::move(row));
        }
        return rows;
    });
}

void TExDetailDropDown::followInList()
{
    TExCustomItemSelector *selector = ItemSelector();
    if (!selector || stale())
        return;
    auto handler = std::move(selector->OnItemSelect);
    selector->OnItemSelect = nullptr;
    selector->setItemIndex(m_itemIndex);
    selector->OnItemSelect = std::move(handler);
}

void TExDetailDropDown::showCaption(const QString &caption)
{
    const bool was = m_settingText;
    m_settingText = true;
    setText(caption);
    m_settingText = was;
}

void TExDetailDropDown::setItemIndex(int index)
{
    if (index == m_itemIndex)
        return;
    if (index >= 0 && index < m_items.Count()) {
        m_itemIndex = index;
        QPointer<TExDetailDropDown> alive(this);
        showCaption(m_items.at(index).Caption);
        if (!alive)
            return;
        selectAll();
        update();
        followInList();
        if (OnSelect)
            OnSelect(this);
        return;
    }
    if (index == -1) {
        showCaption(QString());
        m_itemIndex = -1;
        followInList();
    }
}

void TExDetailDropDown::setItemHeight(int height)
{
    if (height == m_itemHeight)
        return;
    m_itemHeight = height;
    if (ItemSelector())
        ItemSelector()->UpdateSelectorPanel();
}

void TExDetailDropDown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    FillSelector();
    m_oldItemIndex = m_itemIndex;
}

void TExDetailDropDown::OpenDropDown()
{
    TExCustomDropDown::OpenDropDown();
    if (ItemSelector() && DroppedDown())
        ItemSelector()->ScrollItemInView(ItemSelector()->ItemIndex());
}

void TExDetailDropDown::ComputeDropDownSize()
{
    if (TExCustomItemSelector *selector = ItemSelector()) {
        QSize size = selector->size();
        if (DropDownWidth() <= 0)
            size.setWidth(width());
        if (DropDownHeight() <= 0)
            size.setHeight(100);
        selector->resize(size);
    }
    TExCustomDropDown::ComputeDropDownSize();
}

void TExDetailDropDown::RestoreDropDownValue()
{
    // What was chosen at opening comes back, none included; the base then
    // puts the text back.
    QPointer<TExDetailDropDown> alive(this);
    setItemIndex(m_oldItemIndex);
    if (alive)
        TExCustomDropDown::RestoreDropDownValue();
}

void TExDetailDropDown::DropDownFormSizing()
{
    if (ItemSelector())
        ItemSelector()->UpdateSelectorPanel();
}

void TExDetailDropDown::SelectorItemSelected()
{
    if (!ItemSelector())
        return;
    const int chosen = ItemSelector()->ItemIndex();
    QPointer<TExDetailDropDown> alive(this);
    setItemIndex(chosen);
    if (!alive || chosen < 0 || chosen >= m_items.Count())
        return;
    showCaption(m_items.at(chosen).Caption);
    selectAll();
    if (!inInternalCall())
        CloseDropDown(false);
}

void TExDetailDropDown::MeasureDetailItem(QSize &size)
{
    int width = DropDownWidth() > 0 ? DropDownWidth() : (DropDownForm() ? DropDownForm()->width() : this->width());
    if (ItemSelector() && ItemSelector()->verticalScrollBar()->isVisible())
        width -= ItemSelector()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    width -= 2 * DropDownBorderWidth() + 4;
    size = QSize(std::max(1, width), m_itemHeight);
}

void TExDetailDropDown::DrawDetailItem(TCanvas &canvas, TRect r, int index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, r);
        return;
    }
    if (index < 0 || index >= m_items.Count())
        return;
    const TDetailItem &item = m_items.at(index);
    const TImageList *images = Images();
    const bool hasCaption = !item.Caption.isEmpty();
    const auto place = [&](int w, int h) {
        const int x = hasCaption ? r.Left + 2 : r.Left + (r.Width() - w) / 2;
        return QPoint(x, r.Top + (r.Height() - h) / 2);
    };
    if (item.Image.isNull() && images && item.ImageIndex >= 0) {
        const QPoint at = place(images->Width(), images->Height());
        images->Draw(canvas, at.x(), at.y(), item.ImageIndex);
        r.Left += images->Width() + 4;
    } else if (!item.Image.isNull()) {
        const QPoint at = place(item.Image.width(), item.Image.height());
        canvas.DrawImage(at.x(), at.y(), transparentPart(item.Image, item.Image.rect()));
        r.Left += item.Image.width() + 4;
    }
    const bool hot = ItemSelector() && index == ItemSelector()->ItemHot();
    const bool selected = index == m_itemIndex;
    const TColor color = selected ? ItemAppearance().ColorSelectedText
                         : hot    ? ItemAppearance().ColorHotText
                                  : clWindowText;
    assignFont(canvas.Font(), m_captionFont, color);
    setBrushClear(canvas);
    r.Left += 4;
    r.Top += 2;
    r.Right -= 4;
    TRect captionRect = r;
    canvas.DrawText(item.Caption, captionRect, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (item.Notes.isEmpty())
        return;
    r.Top += canvas.TextHeight(QStringLiteral("gh"));
    assignFont(canvas.Font(), m_notesFont, color);
    THtmlDrawParams params;
    params.Images = images;
    THtmlDrawResult result;
    DrawHtmlText(canvas, item.Notes, r, params, result);
}

// ---- typing ----

void TExDetailDropDown::HandleTextChange()
{
    m_itemChange = false;
    QPointer<TExDetailDropDown> alive(this);
    TExCustomDropDown::HandleTextChange();
    if (!alive || !m_typing || m_settingText || !m_workMode || !typingOn())
        return;
    const QString current = text();
    SetModifiedFlag(!current.isEmpty());
    if (m_captions.size() != m_items.Count()) {
        m_captions.clear();
        m_captions.reserve(m_items.Count());
        for (const TDetailItem &item : m_items.items())
            m_captions << item.Caption;
    }
    const TCompletion completion = completeToCaption(current, cursorPosition(), m_captions, m_matchCase);
    if (!completion.changed && completion.index < 0)
        return;
    m_settingText = true;
    if (completion.changed)
        SetPlainText(completion.text);
    m_settingText = false;
    if (!alive)
        return;
    if (completion.index >= 0) {
        m_itemIndex = completion.index;
        m_itemIdx = completion.index;
        m_itemSel = completion.typedLength;
        m_itemChange = true;
        const int length = int(completion.text.size());
        setSelection(length, completion.typedLength - length);
        followInList();
    } else {
        setCursorPosition(int(completion.text.size()));
    }
}

void TExDetailDropDown::keyReleaseEvent(QKeyEvent *event)
{
    TExCustomDropDown::keyReleaseEvent(event);
    guarded([&] {
        if (!m_itemChange)
            return;
        m_itemChange = false;
        setItemIndex(m_itemIdx);
    });
}

void TExDetailDropDown::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (m_items.Count() > 0) {
        if (key == Qt::Key_Backspace || key == Qt::Key_Escape || key == Qt::Key_Delete)
            m_workMode = false;
        else if (key != Qt::Key_Return && key != Qt::Key_Enter)
            m_workMode = true;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int found = m_items.IndexOf(Text());
            if (found >= 0) {
                QPointer<TExDetailDropDown> alive(this);
                showCaption(m_items.at(found).Caption);
                if (!alive)
                    return;
                setItemIndex(found);
                if (!alive)
                    return;
            }
        }
    }
    TExCustomDropDown::HandleKeyDown(key, shift);
}

void TExDetailDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TExDetailDropDown> alive(this);
    const bool open = DroppedDown();
    const bool navigation = key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up
                            || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
    if (isEnabled() && !(shift & Qt::AltModifier) && ItemSelector()) {
        ensureFilled();
        if (moveInList(key, open, 1)) {
            if (open && (key == Qt::Key_Up || key == Qt::Key_Down))
                update();
        } else if (key == Qt::Key_Home || key == Qt::Key_End) {
            if (!EditorEnabled())
                key == Qt::Key_End ? SelectLast() : SelectFirst();
        } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? SelectPrevious() : SelectNext();
        } else if (key != Qt::Key_Left && key != Qt::Key_Right) {
            // The list search runs only while the edit cannot be typed in:
            // otherwise the typed key is the completion's alone.
            if (!(shift & Qt::ControlModifier) && !typingOn()) {
                const QString search = keySearch().add(keyText());
                if (!search.isEmpty() && !searchKeyText(keyText()).isEmpty())
                    internalCall([&] { ItemSelector()->LookupItem(search); });
            }
        }
        if (!alive) {
            key = 0;
            return;
        }
        if (open && navigation) {
            key = 0;
            return;
        }
    }
    const bool escape = key == Qt::Key_Escape;
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
    if (!alive || !escape || m_items.Count() == 0)
        return;
    const int found = m_items.IndexOf(Text());
    if (found >= 0)
        setItemIndex(found);
}

void TExDetailDropDown::keyPressEvent(QKeyEvent *event)
{
    // Only what the user types completes: text set by code keeps its caret
    // where Windows leaves it, at the start, where nothing matches.
    QPointer<TExDetailDropDown> alive(this);
    const bool was = m_typing;
    m_typing = true;
    TExSelectorDropDown::keyPressEvent(event);
    if (alive)
        m_typing = was;
}

// ---- wheel ----

void TExDetailDropDown::WheelDown()
{
    if (!DroppedDown()) {
        SelectNext();
        return;
    }
    if (!ItemSelector())
        return;
    const int current = ItemSelector()->ItemIndex();
    selectInList(current < 0 ? 0 : current + 1);
    update();
}

void TExDetailDropDown::WheelUp()
{
    if (!DroppedDown()) {
        SelectPrevious();
        return;
    }
    if (!ItemSelector())
        return;
    const int current = ItemSelector()->ItemIndex();
    selectInList(current < 0 ? 0 : current - 1);
    update();
}

} // namespace controls
