#include "controls/dropdown/ImagePickerDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/FolderImages.h"
#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/grid/base/html/HtmlPicture.h"
#include "platform/HandlerGuard.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace controls {

using namespace platform;

TExImagePickerDropDown::TExImagePickerDropDown(TConstructKey key, QWidget *parent,
                                               std::unique_ptr<IntervalTimer> searchTimer)
    : TExSelectorDropDown(key, parent, std::move(searchTimer))
{
    m_items.OnChange = [this] { itemsChanged(); };
}

TExImagePickerDropDown::~TExImagePickerDropDown()
{
    m_items.OnChange = nullptr;
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
    TExCustomItemSelector *selector = ItemSelector();
    if (!selector) {
        selector = createSelector();
        selector->setSelectorType(stImage);
        selector->setGeometry(0, 0, selector->width(), 150);
    }
    selector->setColor(DropDownColor());
    selector->UpdateSelectorPanel();
    SetDropDownControl(selector);
}

void TExImagePickerDropDown::itemsChanged()
{
    markStale();
    if (m_itemIndex >= m_items.Count())
        m_itemIndex = -1;
    if (DroppedDown())
        FillSelector();
    update();
}

void TExImagePickerDropDown::FillSelector()
{
    fillSelector(m_columns, m_layout, m_itemIndex, [this] {
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
        return rows;
    });
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

void TExImagePickerDropDown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    FillSelector();
    if (TExCustomItemSelector *selector = ItemSelector()) {
        selector->OnDrawItem = nullptr;
        if (OnDrawItem)
            selector->OnDrawItem = [this](QObject *, TCanvas &canvas, TRect r, int index) {
                OnDrawItem(this, canvas, r, index);
            };
    }
    m_oldItemIndex = m_itemIndex;
}

void TExImagePickerDropDown::ComputeDropDownSize()
{
    if (!ItemSelector() || !DropDownForm()) {
        TExCustomDropDown::ComputeDropDownSize();
        return;
    }
    sizeToSelectorPanel();
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
    if (!ItemSelector())
        return;
    QPointer<TExImagePickerDropDown> alive(this);
    setItemIndex(ItemSelector()->ItemIndex());
    if (alive && !inInternalCall())
        CloseDropDown(false);
}

void TExImagePickerDropDown::selectInList(int index)
{
    TExCustomItemSelector *selector = ItemSelector();
    if (!selector || index < 0 || index >= selector->Items().Count())
        return;
    internalCall([&] {
        selector->setItemIndex(index);
        selector->ScrollItemInView(index);
    });
}

void TExImagePickerDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TExImagePickerDropDown> alive(this);
    const int pressed = key;
    const bool enter = pressed == Qt::Key_Return || pressed == Qt::Key_Enter;
    bool enterHandled = false;
    if (isEnabled() && DroppedDown() && enter && chooseHotItem()) {
        enterHandled = true;
        if (!alive)
            return;
    }
    const bool open = DroppedDown();
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
    if (!alive || !isEnabled() || (shift & Qt::AltModifier) || !ItemSelector())
        return;
    ensureFilled();
    if (enter) {
        if (!enterHandled && OnSelect)
            OnSelect(this);
        return;
    }
    if (moveInList(pressed, open, m_columns))
        return;
    switch (pressed) {
    case Qt::Key_Home:
    case Qt::Key_End:
        pressed == Qt::Key_End ? SelectLast() : SelectFirst();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        pressed == Qt::Key_Up ? SelectPrevious() : SelectNext();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        break;
    default:
        searchList(shift);
        break;
    }
}

void TExImagePickerDropDown::WheelDown()
{
    if (isEnabled() && !isReadOnly() && ItemSelector())
        wheelInList(true);
}

void TExImagePickerDropDown::WheelUp()
{
    if (isEnabled() && !isReadOnly() && ItemSelector())
        wheelInList(false);
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
