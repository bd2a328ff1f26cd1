#pragma once
// A drop-down for choosing one image from a grid of images: the popup's
// list shows Columns images a row, the edit shows the chosen one centred
// instead of text. Images come from the items' own pictures or from the
// image list, and can be added from an image list or from a folder's files.
#include "controls/dropdown/ItemCollection.h"
#include "controls/dropdown/SelectorDropDown.h"

#include <memory>

namespace controls {

struct TImageItem {
    QString Caption;
    int ImageIndex = -1;
    QImage Image;
    QString Hint;
    bool Enabled = true;
};
using TImageItems = TItemCollection<TImageItem>;

class TExImagePickerDropDown : public TExSelectorDropDown {
public:
    TExImagePickerDropDown(TConstructKey key, QWidget *parent, std::unique_ptr<platform::IntervalTimer> searchTimer = {});
    ~TExImagePickerDropDown() override;

    TImageItems &Items() { return m_items; }
    int ItemIndex() const override { return m_itemIndex; }
    // The same index and one past the items are ignored; a change raises
    // OnChange, then OnSelect.
    void setItemIndex(int index) override;
    // The chosen item's image index, -1 without a choice; writing chooses
    // the first item with that image index, or none.
    int ImageIndex() const;
    void setImageIndex(int imageIndex);
    int Columns() const { return m_columns; }
    void setColumns(int columns) { m_columns = std::max(1, columns); }
    TItemLayout Layout() const { return m_layout; }
    void setLayout(TItemLayout layout) { m_layout = layout; }

    // One item per image of Images, without captions.
    void AddImagesFromImageList();
    // One item per file the pattern ("folder/*.png") names, in name order;
    // a file that is no picture keeps an empty item. Directories are
    // skipped. Never fails.
    void AddImagesFromFolder(const QString &pattern, bool setImageCaption);

    platform::TNotifyEvent OnSelect;
    std::function<void(QObject *Sender, platform::TCanvas &canvas, platform::TRect r)> OnDrawSelectedImage;
    TDrawItemEvent OnDrawItem;

protected:
    void Initialize() override;
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void ComputeDropDownSize() override;
    void RestoreDropDownValue() override;
    void WheelDown() override;
    void WheelUp() override;
    void PaintNonEditable(platform::TCanvas &canvas) override;
    void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift) override;
    void FillSelector() override;
    void SelectorItemSelected() override;
    int itemCount() const override { return m_items.Count(); }
    void selectInList(int index) override;

private:
    void itemsChanged();
    void PaintSelectedImage(platform::TCanvas &canvas);

    TImageItems m_items;
    int m_itemIndex = -1;
    int m_columns = 1;
    TItemLayout m_layout = ilCaptionRight;
    int m_oldItemIndex = -1;
};

} // namespace controls
