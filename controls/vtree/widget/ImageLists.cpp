// The image lists the tree shows: each is followed for its changes, which
// repaint the tree, and for its end, after which the tree shows none.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeSettings.h"
#include "controls/vtree/widget/ImageListLinks.h"

namespace vtree {

void TTreePartDeleter::operator()(TImageListLinks *Part) const { delete Part; }

TTreePart<TImageListLinks> TLazyStringTreeWidget::newImageListLinks()
{
    return TTreePart<TImageListLinks>(new TImageListLinks);
}

void TLazyStringTreeWidget::SetImages(platform::TImageList *value)
{
    if (FSettings->Images == value)
        return;
    linkImageList(FImageListLinks->Images, value, FSettings->Images);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetStateImages(platform::TImageList *value)
{
    if (FSettings->StateImages == value)
        return;
    linkImageList(FImageListLinks->StateImages, value, FSettings->StateImages);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::SetCustomCheckImages(platform::TImageList *value)
{
    if (FSettings->CustomCheckImages == value)
        return;
    linkImageList(FImageListLinks->CustomCheckImages, value, FSettings->CustomCheckImages);
    repaintUnlessLoading();
}

void TLazyStringTreeWidget::linkImageList(platform::TChangeLink &Link, platform::TImageList *List,
                                          platform::TImageList *&Field)
{
    if (Link.Sender())
        Link.Sender()->UnRegisterChanges(Link);
    Field = List;
    if (!List)
        return;
    List->RegisterChanges(Link);
    Link.OnChange = [this] { repaintUnlessLoading(); };
    Link.OnFree = [this, &Field] {
        // A list that goes takes its images with it.
        Field = nullptr;
        if (&Field == &FSettings->CustomCheckImages)
            storeCheckImageKind(TCheckImageKind::ckSystemDefault);
        if (!IsDestroying())
            Invalidate();
    };
}

} // namespace vtree
