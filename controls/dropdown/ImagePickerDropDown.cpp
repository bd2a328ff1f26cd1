#include "controls/dropdown/ImagePickerDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/FolderImages.h"
#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/grid/base/html/HtmlPicture.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/QtIntervalTimer.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace controls {

using namespace platform;

TExImagePickerDropDown::TExImagePickerDropDown(TConstructKey key, QWidget *parent,
                                               std::unique_ptr<IntervalTimer> searchTimer)
    : TExCustomDropDown(key, parent),
      m_search(searchTimer ? std::move(searchTimer) : std::make_unique<QtIntervalTimer>())
{
    m_items.OnChange = [this] { itemsChanged(); };
}

TExImagePickerDropDown::~TExImagePickerDropDown()
{
    m_items.OnChange = nullptr;
    if (m_selector)
        m_selector->OnItemSelect = nullptr;
}

void TExImagePickerDropDown::Initialize()
{
    TExCustomDropDown::Initialize();
    setEditorEnabled(false);
    setDropDownEnabled(true);
    setCursor(Qt::ArrowCursor);
}

void TExImagePickerDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!DropDownForm())
        return;
    if (!m_selector) {
        m_selector = new TExCustomItemSelector(DropDownForm());
        m_selector->setSelectorType(stImage);
        m_selector->setGeometry(0, 0, m_selector->width(), 150);
        m_selector->setFocusPolicy(Qt::NoFocus);
        m_selector->viewport()->setFocusPolicy(Qt::NoFocus);
        m_selector->Panel()->setFocusPolicy(Qt::NoFocus);
        m_selector->OnWheel = [this](int step) { step < 0 ? WheelDown() : WheelUp(); };
    }
    m_selector->setColor(DropDownColor());
    m_selector->UpdateSelectorPanel();
    SetDropDownControl(m_selector);
}

void TExImagePickerDropDown::itemsChanged()
{
    m_stale = true;
    if (m_itemIndex >= m_items.Count())
        m_itemIndex = -1;
    if (DroppedDown())
        FillSelector();
    update();
}

void TExImagePickerDropDown::FillSelector()
{
    if (!m_selector)
        return;
    m_selector->OnItemSelect = nullptr;
    m_selector->setColumns(m_columns);
    m_selector->setImages(Images());
    m_selector->setItemLayout(m_layout);
    m_selector->setColor(DropDownColor());
    m_selector->ItemAppearance().Assign(m_itemAppearance);
    // The items are copied only when they changed since the last fill.
    if (m_stale) {
        std::vector<TSelectorItem> rows;
        rows.reserve(std::size_t(m_items.Count()));
        for (const TImageItem &item : m_items.items()) {
            TSelectorItem row;
            row.Caption = item.Caption;
            row.Image = item.Image.isNull() ? QImage() : transparentPart(item.Image, item.Image.rect());
            row.ImageIndex = item.ImageIndex;
            row.Hint = item.Hint;
            row.Enabled = item.Enabled;
            rows.push_back(std::move(row));
        }
        m_selector->Items().Assign(std::move(rows));
    } else {
        m_selector->UpdateSelectorPanel();
    }
    m_selector->setItemIndex(m_itemIndex);
    m_selector->OnItemSelect = [this](QObject *) { SelectorItemSelected(); };
    m_stale = false;
}

void TExImagePickerDropDown::setItemIndex(int index)
{
    index = std::max(-1, index);
    if (index == m_itemIndex || index >= m_items.Count())
        return;
    m_itemIndex = index;
    update();
    QPointer<TExImagePickerDropDown> alive(this);
    if (OnChange)
        OnChange(this);
    if (alive && OnSelect)
        OnSelect(this);
}

int TExImagePickerDropDown::ImageIndex() const
{
    return m_itemIndex >= 0 ? m_items.at(m_itemIndex).ImageIndex : -1;
}

void TExImagePickerDropDown::setImageIndex(int imageIndex)
{
    for (int i = 0; i < m_items.Count(); ++i) {
        if (m_items.at(i).ImageIndex == imageIndex) {
            setItemIndex(i);
            return;
        }
    }
    setItemIndex(-1);
}

void TExImagePickerDropDown::SelectFirst()
{
    if (m_items.Count() > 0)
        setItemIndex(0);
}

void TExImagePickerDropDown::SelectLast()
{
    if (m_items.Count() > 0)
        setItemIndex(m_items.Count() - 1);
}

void TExImagePickerDropDown::SelectNext()
{
    if (m_items.Count() > 0)
        setItemIndex(nextIndex(m_itemIndex, m_items.Count()));
}

void TExImagePickerDropDown::SelectPrevious()
{
    if (m_items.Count() > 0)
        setItemIndex(previousIndex(m_itemIndex, m_items.Count()));
}

void TExImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images())
        return;
    std::vector<TImageItem> items = m_items.items();
    for (int i = 0; i < Images()->Count(); ++i) {
        TImageItem item;
        item.ImageIndex = i;
        items.push_back(std::move(item));
    }
    m_items.Assign(std::move(items));
}

void TExImagePickerDropDown::AddImagesFromFolder(const QString &pattern, bool setImageCaption)
{
    std::vector<TImageItem> items = m_items.items();
    for (const QString &path : folderImageFiles(pattern)) {
        THTMLPicture picture;
        picture.LoadFromFile(path);
        TImageItem item;
        if (!picture.Empty()) {
            item.Image = picture.image();
            if (setImageCaption)
                item.Caption = QFileInfo(path).fileName();
        }
        items.push_back(std::move(item));
    }
    m_items.Assign(std::move(items));
}

void TExImagePickerDropDown::SetComponentStyle(TFenloStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    ApplyItemAppearanceStyle(&m_itemAppearance, style);
}

void TExImagePickerDropDown::setSelectionColorStyle(TSelectionColorStyle style)
{
    TExCustomDropDown::setSelectionColorStyle(style);
    if (m_selector)
        m_selector->ItemAppearance().ApplyColorStyle(style);
}

void TExImagePickerDropDown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    FillSelector();
    if (m_selector) {
        m_selector->OnDrawItem = nullptr;
        if (OnDrawItem)
            m_selector->OnDrawItem = [this](QObject *, TCanvas &canvas, TRect r, int index) {
                OnDrawItem(this, canvas, r, index);
            };
    }
    m_oldItemIndex = m_itemIndex;
}

void TExImagePickerDropDown::ComputeDropDownSize()
{
    TDropDownForm *form = DropDownForm();
    if (!m_selector || !form) {
        TExCustomDropDown::ComputeDropDownSize();
        return;
    }
    QSize size = m_selector->size();
    if (DropDownWidth() < 1)
        size.setWidth(m_selector->PanelSize().width());
    if (DropDownHeight() < 1)
        size.setHeight(m_selector->PanelSize().height());
    m_selector->resize(size);
    TExCustomDropDown::ComputeDropDownSize();
    if (m_selector->PanelSize().height() > form->height() - 2 * DropDownBorderWidth())
        form->resize(form->width() + m_selector->style()->pixelMetric(QStyle::PM_ScrollBarExtent), form->height());
}

void TExImagePickerDropDown::RestoreDropDownValue()
{
    QPointer<TExImagePickerDropDown> alive(this);
    setItemIndex(m_oldItemIndex);
    if (alive)
        TExCustomDropDown::RestoreDropDownValue();
}

void TExImagePickerDropDown::SelectorItemSelected()
{
    if (!m_selector)
        return;
    QPointer<TExImagePickerDropDown> alive(this);
    setItemIndex(m_selector->ItemIndex());
    if (alive && !m_internalCall)
        CloseDropDown(false);
}

void TExImagePickerDropDown::selectInList(int index)
{
    if (!m_selector || index < 0 || index >= m_selector->Items().Count())
        return;
    m_internalCall = true;
    m_selector->setItemIndex(index);
    m_selector->ScrollItemInView(index);
    m_internalCall = false;
}

void TExImagePickerDropDown::keyPressEvent(QKeyEvent *event)
{
    m_keyText = event->text();
    TExCustomDropDown::keyPressEvent(event);
}

void TExImagePickerDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TExImagePickerDropDown> alive(this);
    const int pressed = key;
    const bool enter = pressed == Qt::Key_Return || pressed == Qt::Key_Enter;
    bool enterHandled = false;
    if (isEnabled() && DroppedDown() && enter && m_selector && m_selector->ItemHot() >= 0) {
        m_selector->setItemIndex(m_selector->ItemHot());
        enterHandled = true;
        if (!alive)
            return;
    }
    const bool open = DroppedDown();
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
    if (!alive || !isEnabled() || (shift & Qt::AltModifier) || !m_selector)
        return;
    if (m_stale)
        FillSelector();
    const int current = m_selector->ItemIndex();
    const int count = m_selector->Items().Count();
    switch (pressed) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!enterHandled && OnSelect)
            OnSelect(this);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int n = m_selector->GetVisibleItemCount();
        if (n >= 1)
            selectInList(pressed == Qt::Key_PageUp ? std::max(0, current - n) : std::min(current + n, count - 1));
        break;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        if (open) {
            m_internalCall = true;
            pressed == Qt::Key_End ? m_selector->SelectLast() : m_selector->SelectFirst();
            m_internalCall = false;
        } else {
            pressed == Qt::Key_End ? SelectLast() : SelectFirst();
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (open && !EditorEnabled()) {
            m_internalCall = true;
            pressed == Qt::Key_Left ? m_selector->SelectPrevious() : m_selector->SelectNext();
            m_internalCall = false;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (open)
            selectInList(current < 0 ? 0 : current + (pressed == Qt::Key_Up ? -m_columns : m_columns));
        else
            pressed == Qt::Key_Up ? SelectPrevious() : SelectNext();
        break;
    default:
        if (!(shift & Qt::ControlModifier) && !searchKeyText(m_keyText).isEmpty()) {
            const QString search = m_search.add(m_keyText);
            m_internalCall = true;
            m_selector->LookupItem(search);
            m_internalCall = false;
        }
        break;
    }
}

void TExImagePickerDropDown::WheelDown()
{
    if (!isEnabled() || isReadOnly() || !m_selector)
        return;
    if (DroppedDown()) {
        m_selector->HotNext();
        return;
    }
    if (m_stale)
        FillSelector();
    m_internalCall = true;
    m_selector->SelectNext();
    m_internalCall = false;
}

void TExImagePickerDropDown::WheelUp()
{
    if (!isEnabled() || isReadOnly() || !m_selector)
        return;
    if (DroppedDown()) {
        m_selector->HotPrevious();
        return;
    }
    if (m_stale)
        FillSelector();
    m_internalCall = true;
    m_selector->SelectPrevious();
    m_internalCall = false;
}

void TExImagePickerDropDown::PaintNonEditable(TCanvas &canvas)
{
    TExCustomDropDown::PaintNonEditable(canvas);
    PaintSelectedImage(canvas);
}

void TExImagePickerDropDown::PaintSelectedImage(TCanvas &canvas)
{
    const TRect r = EditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, r);
        return;
    }
    if (m_itemIndex < 0 || m_itemIndex >= m_items.Count())
        return;
    const TImageItem &item = m_items.at(m_itemIndex);
    if (!item.Image.isNull()) {
        const QImage shown = transparentPart(item.Image, item.Image.rect());
        canvas.DrawImage(r.Left + (r.Width() - shown.width()) / 2, r.Top + (r.Height() - shown.height()) / 2, shown);
    } else if (Images() && item.ImageIndex >= 0) {
        Images()->Draw(canvas, r.Left + (r.Width() - Images()->Width()) / 2,
                       r.Top + (r.Height() - Images()->Height()) / 2, item.ImageIndex, true);
    }
}

} // namespace controls
