#include "controls/vtree/widget/LazyDataObject.h"
#include "controls/vtree/CacheWorker.h"
#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"

namespace vtree {

TLTDataObject::TLTDataObject(TLazyStringTreeWidget &Owner, bool ForClipboard, std::uint64_t CutCopyGeneration)
    : FOwnerSerial(Owner.LiveSerial()), FForClipboard(ForClipboard), FCutCopyGeneration(CutCopyGeneration)
{
    RegisterTreeClipboardFormats();
    const QStringList &allowed = Owner.ClipboardFormats().Names();
    for (const TFormatEtc &format : TClipboardFormatList::EnumerateFormats(Owner, &allowed))
        FFormats.append(format.MimeType);
    Owner.QueryUserClipboardFormats(FFormats);
    if (!FFormats.contains(treeReferenceMimeType()))
        FFormats.append(treeReferenceMimeType());
}

// The clipboard letting go of the data ends the cut or copy it was made for,
// unless the tree hands the data over itself (flushing) or cut or copied
// again since.
TLTDataObject::~TLTDataObject()
{
    TLazyStringTreeWidget *owner = Owner();
    if (FForClipboard && owner && !owner->TreeStates().contains(TLazyTreeState::tsClipboardFlushing) &&
        owner->CutCopyGeneration() == FCutCopyGeneration)
        owner->CancelCutOrCopy();
}

TLazyStringTreeWidget *TLTDataObject::Owner() const
{
    return dynamic_cast<TLazyStringTreeWidget *>(CacheWorker::LiveTree(FOwnerSerial));
}

QStringList TLTDataObject::formats() const
{
    QStringList all = FFormats;
    for (const QString &stored : QMimeData::formats())
        if (!all.contains(stored))
            all.append(stored);
    return all;
}

bool TLTDataObject::hasFormat(const QString &MimeType) const { return formats().contains(MimeType); }

QVariant TLTDataObject::retrieveData(const QString &MimeType, QMetaType Type) const
{
    if (QMimeData::formats().contains(MimeType))
        return QMimeData::retrieveData(MimeType, Type);
    TLazyStringTreeWidget *owner = Owner();
    if (!owner || !FFormats.contains(MimeType))
        return {};
    if (MimeType == treeReferenceMimeType()) {
        if (owner->TreeStates().contains(TLazyTreeState::tsClipboardFlushing))
            return {};
        return treeReferenceOf(*owner);
    }
    QByteArray medium;
    if (owner->RenderOLEData(MimeType, medium, FForClipboard) != 0)
        return {};
    return medium;
}

} // namespace vtree
