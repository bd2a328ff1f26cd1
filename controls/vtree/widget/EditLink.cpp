#include "controls/vtree/widget/EditLink.h"

#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>

namespace vtree {

namespace {

Qt::Alignment qtAlignment(TAlignment Alignment)
{
    switch (Alignment) {
    case TAlignment::taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TAlignment::taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

// ---- The edit ----------------------------------------------------------------

TLTEdit::TLTEdit(TStringEditLink *Link) : FRefLink(Link), FLink(Link)
{
    setFrame(true);
    setToolTip({});
    connect(this, &QLineEdit::textChanged, this, [this] { FitToText(); });
}

TLTEdit::~TLTEdit()
{
    if (FLink && !FLink->Stopping()) {
        TLazyStringTreeWidget *tree = FLink->Tree();
        if (tree && tree->StringTreeOptions().StringOptions().contains(TLTStringOption::toAutoAcceptEditChange) && isModified())
            tree->SetText(FLink->Node(), FLink->Column(), text());
    }
    // The link must not free an edit that is already going.
    if (FLink)
        FLink->FEdit = nullptr;
    Unlink();
}

void TLTEdit::Unlink()
{
    FLink = nullptr;
    // Last: dropping the reference may free the link.
    FRefLink.reset();
}

void TLTEdit::Release() { deleteLater(); }

void TLTEdit::FitToText()
{
    TLazyStringTreeWidget *tree = FLink ? FLink->Tree() : nullptr;
    if (!tree || FLink->Stopping() || tree->TreeOptions().MiscOptions().contains(TLTMiscOption::toGridExtensions))
        return;
    const QFontMetrics metrics(font());
    const int margin = tree->TextMargin();
    const int wanted = metrics.horizontalAdvance(text() + QStringLiteral("yG")) + 2 * margin;
    const int minimumHeight = metrics.height() + 2 * margin;
    if (height() < minimumHeight)
        resize(width(), minimumHeight);
    // A narrower edit leaves its old frame behind.
    if (wanted < width())
        tree->Invalidate();
    QRect r = geometry();
    if (FLink->Alignment() == TAlignment::taRightJustify)
        r.setLeft(r.right() + 1 - wanted);
    else
        r.setWidth(wanted);
    FLink->SetBounds(r);
}

bool TLTEdit::event(QEvent *e)
{
    // Tab belongs to the edit, not to the focus chain.
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            tabToNextNode();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TLTEdit::tabToNextNode()
{
    TLazyStringTreeWidget *tree = FLink ? FLink->Tree() : nullptr;
    if (!tree || !tree->IsEditing())
        return;
    QPointer<TLazyStringTreeWidget> alive(tree);
    PLazyNode node = tree->FocusedNode();
    tree->InvalidateNode(node);
    PLazyNode next = tree->GetNextVisible(node, true);
    // Ending the edit unlinks this edit; only the tree is used from here on.
    tree->EndEditNode();
    if (!alive || !next)
        return;
    tree->SetFocusedNode(next);
    if (alive && tree->FocusedNode() == next && tree->CanEdit(next, tree->FocusedColumn()))
        tree->EditNode(next, tree->FocusedColumn());
}

void TLTEdit::keyPressEvent(QKeyEvent *e)
{
    TLazyStringTreeWidget *tree = FLink ? FLink->Tree() : nullptr;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (tree) {
            tree->InvalidateNode(FLink->Node());
            tree->CloseEditor();
            tree->setFocus();
        }
        return;
    case Qt::Key_Escape:
        if (tree) {
            tree->AbortEditor();
            tree->setFocus();
        }
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // A single line has no rows to move between.
        QKeyEvent sideways(e->type(), e->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right, e->modifiers());
        QLineEdit::keyPressEvent(&sideways);
        return;
    }
    case Qt::Key_A:
        if (tree && tree->IsEditing() && (e->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
            selectAll();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(e);
}

void TLTEdit::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    // The edit's own context menu takes the focus only for a moment.
    if (!FLink || FLink->Stopping() || e->reason() == Qt::PopupFocusReason)
        return;
    TLazyStringTreeWidget *tree = FLink->Tree();
    if (!tree)
        return;
    if (tree->StringTreeOptions().StringOptions().contains(TLTStringOption::toAutoAcceptEditChange))
        tree->CloseEditor();
    else
        tree->AbortEditor();
}

// ---- The link -----------------------------------------------------------------

TStringEditLink::TStringEditLink() { createEdit(); }

TStringEditLink::~TStringEditLink()
{
    if (FEdit)
        FEdit->Release();
}

int TStringEditLink::Release() noexcept
{
    const int left = m_refCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0)
        delete this;
    return left;
}

void TStringEditLink::createEdit()
{
    FEdit = new TLTEdit(this);
    FEdit->hide();
    // No height of its own: the first placing takes the row's.
    FEdit->setGeometry(0, 0, 0, 0);
}

TLazyStringTreeWidget *TStringEditLink::Tree() const { return FTreeObject ? FTree : nullptr; }

bool TStringEditLink::PrepareEdit(TBaseLazyTree *Tree, PLazyNode Node, TColumnIndex Column)
{
    auto *tree = dynamic_cast<TLazyStringTreeWidget *>(Tree);
    if (!tree)
        return false;
    if (!FEdit)
        createEdit();
    FTree = tree;
    FTreeObject = tree;
    FNode = Node;
    FColumn = Column;
    platform::TFont font;
    QString text;
    platform::TRect bounds;
    tree->GetTextInfo(Node, Column, font, bounds, text);
    FTextBounds = QRect(QPoint(bounds.Left, bounds.Top), QPoint(bounds.Right - 1, bounds.Bottom - 1));
    FEdit->setFont(font.qfont());
    QPalette palette = FEdit->palette();
    palette.setColor(QPalette::Text, Qt::black);
    FEdit->setPalette(palette);
    FEdit->setParent(tree->viewport());
    FEdit->hide();
    FEdit->setText(text);
    FEdit->setModified(false);
    FAlignment = tree->EditAlignment(Column);
    FEdit->setAlignment(qtAlignment(FAlignment));
    return true;
}

bool TStringEditLink::BeginEdit()
{
    if (FStopping || !FEdit)
        return false;
    FEdit->show();
    FEdit->selectAll();
    FEdit->setFocus(Qt::OtherFocusReason);
    FEdit->FitToText();
    return true;
}

bool TStringEditLink::EndEdit()
{
    if (FStopping)
        return false;
    FStopping = true;
    try {
        TLazyStringTreeWidget *tree = Tree();
        if (tree && FEdit && FEdit->isModified())
            tree->SetText(FNode, FColumn, FEdit->text());
    } catch (...) {
        FStopping = false;
        throw;
    }
    // This object may go with the edit's reference: keep it until the end.
    platform::InterfaceRef<ILTEditLink> self(this);
    if (FEdit) {
        FEdit->hide();
        FEdit->Unlink();
    }
    return true;
}

bool TStringEditLink::CancelEdit()
{
    if (FStopping)
        return false;
    FStopping = true;
    platform::InterfaceRef<ILTEditLink> self(this);
    if (FEdit)
        FEdit->hide();
    // The tree's own cancel reaching this link again is refused above.
    if (TLazyStringTreeWidget *tree = Tree())
        tree->CancelEditNode();
    if (FEdit)
        FEdit->Unlink();
    return true;
}

QRect TStringEditLink::GetBounds() const { return FEdit ? FEdit->geometry() : QRect(); }

void TStringEditLink::ProcessMessage(QEvent *Message)
{
    if (FEdit)
        QCoreApplication::sendEvent(FEdit, Message);
}

void TStringEditLink::SetBounds(QRect R)
{
    TLazyStringTreeWidget *tree = Tree();
    if (FStopping || !FEdit || !tree)
        return;
    if (R.left() < 0)
        R.setLeft(0);
    if (R.width() < MinimumWidth) {
        if (FAlignment == TAlignment::taRightJustify)
            R.setLeft(R.right() + 1 - MinimumWidth);
        else
            R.setWidth(MinimumWidth);
    }
    if (R.right() + 1 > tree->ClientWidth())
        R.setRight(tree->ClientWidth() - 1);
    FEdit->setGeometry(R);
    // The text sits where the tree paints it: k pixels of the frame, the rest
    // of the tree's text margin inside.
    constexpr int k = 2;
    const int inner = std::max(tree->TextMargin() - k, 0);
    const int down = std::max(FTextBounds.top() - R.top(), 0);
    FEdit->setTextMargins(inner, down, inner, 0);
}

} // namespace vtree
