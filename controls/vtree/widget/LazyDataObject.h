#pragma once
// The tree's data object: the nodes that leave a tree through the clipboard
// or a drag. It lists the formats its tree offers and renders each only when
// a reader asks for it; the tree is looked up each time, so a data object
// that outlives its tree (the clipboard keeps it) renders nothing. Data
// stored into it with setData is handed out as stored.
#include <QMimeData>
#include <QStringList>
#include <cstdint>

namespace vtree {

class TLazyStringTreeWidget;

class TLTDataObject : public QMimeData {
public:
    TLTDataObject(TLazyStringTreeWidget &Owner, bool ForClipboard, std::uint64_t CutCopyGeneration);
    ~TLTDataObject() override;

    bool ForClipboard() const { return FForClipboard; }
    // The tree it was made for while that lives, else nil.
    TLazyStringTreeWidget *Owner() const;
    QStringList formats() const override;
    bool hasFormat(const QString &MimeType) const override;

protected:
    QVariant retrieveData(const QString &MimeType, QMetaType Type) const override;

private:
    std::uint64_t FOwnerSerial;
    bool FForClipboard;
    std::uint64_t FCutCopyGeneration;
    QStringList FFormats; // MIME types the tree renders, the reference last
};

} // namespace vtree
