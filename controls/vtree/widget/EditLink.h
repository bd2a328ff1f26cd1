#pragma once
// The string tree's in-place editor: a link the tree drives through the
// edit-link interface, owning a line edit placed over the cell. The edit
// keeps the link alive while it is linked; ending or cancelling unlinks it,
// and the link frees the edit after the event being handled.
#include "controls/vtree/TreeEvents.h"
#include "controls/vtree/widget/TreeLooks.h"

#include <QLineEdit>
#include <QPointer>
#include <atomic>

namespace vtree {

class TLazyStringTreeWidget;
class TStringEditLink;

class TLTEdit : public QLineEdit {
public:
    explicit TLTEdit(TStringEditLink *Link);
    ~TLTEdit() override;

    // Single-line nodes: as wide as the text needs.
    virtual void FitToText();
    // Frees the edit once the current event is handled.
    virtual void Release();
    TStringEditLink *Link() const { return FLink; }
    // Drops both references to the link.
    void Unlink();

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void tabToNextNode();

    platform::InterfaceRef<ILTEditLink> FRefLink;
    TStringEditLink *FLink = nullptr;
};

class TStringEditLink : public ILTEditLink {
public:
    TStringEditLink();
    ~TStringEditLink() override;
    TStringEditLink(const TStringEditLink &) = delete;
    TStringEditLink &operator=(const TStringEditLink &) = delete;

    int AddRef() noexcept override { return m_refCount.fetch_add(1, std::memory_order_relaxed) + 1; }
    int Release() noexcept override;

    bool BeginEdit() override;
    bool CancelEdit() override;
    bool EndEdit() override;
    bool PrepareEdit(TBaseLazyTree *Tree, PLazyNode Node, TColumnIndex Column) override;
    QRect GetBounds() const override;
    void ProcessMessage(QEvent *Message) override;
    void SetBounds(QRect R) override;

    TLTEdit *Edit() const { return FEdit; }
    TLazyStringTreeWidget *Tree() const;
    PLazyNode Node() const { return FNode; }
    TColumnIndex Column() const { return FColumn; }
    TAlignment Alignment() const { return FAlignment; }
    bool Stopping() const { return FStopping; }
    // The narrowest an editor gets.
    static constexpr int MinimumWidth = 30;

private:
    friend class TLTEdit;
    void createEdit();

    QPointer<TLTEdit> FEdit;
    QPointer<QObject> FTreeObject;
    TLazyStringTreeWidget *FTree = nullptr;
    PLazyNode FNode = nullptr;
    TColumnIndex FColumn = NoColumn;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    QRect FTextBounds;
    bool FStopping = false;
    std::atomic<int> m_refCount{0};
};

} // namespace vtree
