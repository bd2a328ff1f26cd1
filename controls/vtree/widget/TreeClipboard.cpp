// Copy, cut and paste through the system clipboard. The clipboard keeps the
// tree's data object and asks it for a format only when someone pastes; a
// paste into a tree of this process moves the nodes of a pending cut
// instead of copying them.
#include "controls/vtree/ClipboardFormatList.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/widget/LazyDataObject.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeDataState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <memory>

namespace vtree {

TClipboardFormats &TLazyStringTreeWidget::ClipboardFormats() { return FTreeData->ClipboardFormats; }
const TClipboardFormats &TLazyStringTreeWidget::ClipboardFormats() const { return FTreeData->ClipboardFormats; }
void TLazyStringTreeWidget::SetClipboardFormats(const QStringList &value) { FTreeData->ClipboardFormats.Assign(value); }
std::uint64_t TLazyStringTreeWidget::CutCopyGeneration() const { return FTreeData->CutCopyGeneration; }

namespace {
QClipboard *systemClipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}
} // namespace

TLTDataObject *TLazyStringTreeWidget::CreateDataObject(bool ForClipboard)
{
    return new TLTDataObject(*this, ForClipboard, FTreeData->CutCopyGeneration);
}

void TLazyStringTreeWidget::copyOrCutToClipboard(bool Cut)
{
    QClipboard *clipboard = systemClipboard();
    if (SelectedCount() == 0 || !clipboard)
        return;
    // The data object the clipboard lets go of now belongs to the cut or copy before.
    ++FTreeData->CutCopyGeneration;
    clipboard->setMimeData(CreateDataObject(true));
    MarkCutCopySet(Cut);
}

void TLazyStringTreeWidget::CopyToClipboard() { copyOrCutToClipboard(false); }

void TLazyStringTreeWidget::CutToClipboard()
{
    if (!IsReadOnly())
        copyOrCutToClipboard(true);
}

bool TLazyStringTreeWidget::PasteFromClipboard()
{
    if (IsReadOnly())
        return false;
    QClipboard *clipboard = systemClipboard();
    if (!clipboard)
        RaiseTreeError(errClipboardFailed);
    // An empty clipboard has nothing to paste.
    const QMimeData *data = clipboard->mimeData();
    if (!data)
        return false;
    const QString referenceType = treeReferenceMimeType();
    TBaseLazyTree *source = data->hasFormat(referenceType) ? treeFromReference(data->data(referenceType)) : nullptr;
    const bool optimized = source && source->TreeStates().contains(TLazyTreeState::tsCutPending);
    const bool result = ProcessOLEData(source, data, FocusedNode(), DefaultPasteMode(), optimized);
    if (source == this)
        ChangeTreeStates({}, {TLazyTreeState::tsCutPending});
    else if (source)
        source->FinishCutOrCopy();
    return result;
}

void TLazyStringTreeWidget::FlushClipboard()
{
    if (!TreeStates().containsAny({TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending}))
        return;
    ChangeTreeStates({TLazyTreeState::tsClipboardFlushing}, {});
    platform::Finally leave([this] { ChangeTreeStates({}, {TLazyTreeState::tsClipboardFlushing}); });
    QClipboard *clipboard = systemClipboard();
    auto *ours = clipboard ? dynamic_cast<const TLTDataObject *>(clipboard->mimeData()) : nullptr;
    if (ours && ours->Owner() == this) {
        // Every format rendered now: the clipboard no longer needs the tree.
        auto copy = std::make_unique<QMimeData>();
        for (const QString &format : ours->formats()) {
            const QByteArray bytes = ours->data(format);
            if (!bytes.isEmpty())
                copy->setData(format, bytes);
        }
        clipboard->setMimeData(copy.release());
    }
    CancelCutOrCopy();
}

void TLazyStringTreeWidget::ClearClipboardOfCutCopy()
{
    QClipboard *clipboard = systemClipboard();
    auto *ours = clipboard ? dynamic_cast<const TLTDataObject *>(clipboard->mimeData()) : nullptr;
    if (ours && ours->Owner() == this)
        clipboard->clear();
}

} // namespace vtree
