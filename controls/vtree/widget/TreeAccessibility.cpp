#include "controls/vtree/widget/TreeAccessibility.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeDataState.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <algorithm>
#include <utility>

namespace vtree {

namespace {

TAccessibleEventSink g_eventSink = QAccessible::updateAccessibility;

// The shown row of a node, -1 when it is not shown.
int rowOf(TLazyStringTreeWidget &tree, PLazyNode node)
{
    int row = 0;
    for (PLazyNode shown = tree.GetFirstVisible(nullptr, true); shown; shown = tree.GetNextVisible(shown, true), ++row)
        if (shown == node)
            return row;
    return -1;
}

PLazyNode nodeAtRow(TLazyStringTreeWidget &tree, int row)
{
    PLazyNode node = row >= 0 ? tree.GetFirstVisible(nullptr, true) : nullptr;
    for (int i = 0; node && i < row; ++i)
        node = tree.GetNextVisible(node, true);
    return node;
}

TColumnIndex textColumn(const TLazyStringTreeWidget &tree) { return tree.ColumnsUsed() ? tree.MainColumn() : NoColumn; }

// A row of the tree, or (Row -1) whichever node has the focus. It names no
// node of its own, so it never outlives one.
class TLTAccessibleItem : public QAccessibleInterface {
public:
    TLTAccessibleItem(TLazyStringTreeWidget *tree, int row) : m_tree(tree), m_row(row) {}

    PLazyNode node() const
    {
        if (!m_tree)
            return nullptr;
        return m_row < 0 ? m_tree->FocusedNode() : nodeAtRow(*m_tree, m_row);
    }
    bool isValid() const override { return node() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_tree ? m_tree->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_tree ? QAccessible::queryAccessibleInterface(m_tree.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        PLazyNode n = node();
        if (!n || t != QAccessible::Name)
            return {};
        return m_tree->GetText(n, textColumn(*m_tree));
    }

    QRect rect() const override
    {
        PLazyNode n = node();
        if (!n)
            return {};
        const platform::TRect r = m_tree->GetDisplayRect(n, textColumn(*m_tree), false);
        const QPoint origin = m_tree->viewport()->mapToGlobal(QPoint(r.Left, r.Top));
        return {origin, QSize(r.Right - r.Left, r.Bottom - r.Top)};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        PLazyNode n = node();
        if (!n) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = m_tree->Selected(n);
        s.focused = n == m_tree->FocusedNode() && m_tree->hasFocus();
        s.active = n == m_tree->FocusedNode();
        s.disabled = m_tree->GetDisabled(n);
        if (m_tree->GetHasChildren(n)) {
            s.expandable = true;
            s.expanded = m_tree->GetExpanded(n);
            s.collapsed = !s.expanded;
        }
        if (m_tree->GetCheckType(n) != TCheckType::ctNone) {
            s.checkable = true;
            const TCheckState c = m_tree->GetCheckState(n);
            s.checked = c == TCheckState::csCheckedNormal || c == TCheckState::csCheckedPressed ||
                        c == TCheckState::csCheckedDisabled;
            s.checkStateMixed = c == TCheckState::csMixedNormal || c == TCheckState::csMixedPressed ||
                                c == TCheckState::csMixedDisabled;
        }
        return s;
    }

private:
    QPointer<TLazyStringTreeWidget> m_tree;
    int m_row;
};

// The tree itself: its shown rows are its children.
class TLTAccessibleTree : public QAccessibleWidget {
public:
    explicit TLTAccessibleTree(TLazyStringTreeWidget *tree) : QAccessibleWidget(tree, QAccessible::Tree), m_tree(tree)
    {
    }
    ~TLTAccessibleTree() override
    {
        for (QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !m_tree->AccessibleName().isEmpty())
            return m_tree->AccessibleName();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(m_tree->VisibleCount()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (auto it = m_rows.constFind(index); it != m_rows.constEnd())
            return QAccessible::accessibleInterface(*it);
        auto *item = new TLTAccessibleItem(m_tree, index);
        m_rows.insert(index, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_rows.constBegin(); it != m_rows.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        const int row = rowOf(*m_tree, m_tree->FocusedNode());
        return row >= 0 ? child(row) : nullptr;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.multiSelectable = m_tree->TreeOptions().SelectionOptions().contains(TLTSelectionOption::toMultiSelect);
        return s;
    }

private:
    TLazyStringTreeWidget *m_tree;
    mutable QHash<int, QAccessible::Id> m_rows;
};


} // namespace

QAccessibleInterface *accessibleTreeFactory(const QString &, QObject *object)
{
    auto *tree = dynamic_cast<TLazyStringTreeWidget *>(object);
    if (!tree)
        return nullptr;
    // Qt keeps what this returns: the tree need not hand it over itself.
    const bool asked = std::exchange(tree->FTreeData->AskedByQt, true);
    QAccessibleInterface *accessible = tree->AccessibleObject();
    tree->FTreeData->AskedByQt = asked;
    return accessible;
}

TAccessibleEventSink SetAccessibleEventSink(TAccessibleEventSink Sink)
{
    return std::exchange(g_eventSink, Sink ? Sink : QAccessible::updateAccessibility);
}

TLTAccessibilityFactory &GetAccessibilityFactory()
{
    static TLTAccessibilityFactory factory;
    return factory;
}

QAccessibleInterface *TLTAccessibilityFactory::CreateIAccessible(TLazyStringTreeWidget *Tree)
{
    if (!Tree || FAccessibleProviders.empty())
        return nullptr;
    if (!Tree->FTreeData->Accessible)
        return FAccessibleProviders.front()->CreateIAccessible(Tree);
    if (QAccessibleInterface *item = Tree->FTreeData->AccessibleItem)
        return item;
    for (std::size_t i = FAccessibleProviders.size() - 1; i >= 1; --i)
        if (QAccessibleInterface *answer = FAccessibleProviders[i]->CreateIAccessible(Tree))
            return answer;
    return FAccessibleProviders.front()->CreateIAccessible(Tree);
}

void TLTAccessibilityFactory::RegisterAccessibleProvider(const std::shared_ptr<ILTAccessibleProvider> &Provider)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleTreeFactory);
        return true;
    }();
    (void)installed;
    if (Provider &&
        std::find(FAccessibleProviders.begin(), FAccessibleProviders.end(), Provider) == FAccessibleProviders.end())
        FAccessibleProviders.push_back(Provider);
}

void TLTAccessibilityFactory::UnRegisterAccessibleProvider(const std::shared_ptr<ILTAccessibleProvider> &Provider)
{
    std::erase(FAccessibleProviders, Provider);
}

QAccessibleInterface *TLTTreeAccessibleProvider::CreateIAccessible(TLazyStringTreeWidget *Tree)
{
    if (!Tree->FTreeData->Accessible)
        return new TLTAccessibleTree(Tree);
    return new TLTAccessibleItem(Tree, -1);
}

QAccessibleInterface *TLazyStringTreeWidget::AccessibleObject()
{
    TLTAccessibilityFactory &factory = GetAccessibilityFactory();
    const bool made = !FTreeData->Accessible;
    if (made)
        FTreeData->Accessible = factory.CreateIAccessible(this);
    if (FTreeData->Accessible && !FTreeData->AccessibleItem) {
        FTreeData->AccessibleItem = factory.CreateIAccessible(this);
        // Qt keeps objects without a QObject only when they are registered.
        if (FTreeData->AccessibleItem && !FTreeData->AccessibleItem->object())
            FTreeData->AccessibleItemId = QAccessible::registerAccessibleInterface(FTreeData->AccessibleItem);
    }
    if (made && FTreeData->Accessible && !FTreeData->AskedByQt) {
        // Qt may describe the window already, by the plain object it made
        // before a provider was registered: the tree's own takes its place.
        QAccessibleInterface *known = QAccessible::queryAccessibleInterface(this);
        if (known != FTreeData->Accessible) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
            QAccessible::registerAccessibleInterface(FTreeData->Accessible);
        }
    }
    return FTreeData->Accessible;
}

QAccessibleInterface *TLazyStringTreeWidget::AccessibleItemObject() { return FTreeData->AccessibleItem; }

void TLazyStringTreeWidget::NotifyAccessibleFocusChange()
{
    if (!FTreeData->AccessibleItem)
        return;
    const int row = rowOf(*this, FocusedNode());
    // Rows have no value of their own: no value change is reported.
    for (QAccessible::Event kind : {QAccessible::LocationChanged, QAccessible::NameChanged,
                                    QAccessible::Selection, QAccessible::Focus}) {
        QAccessibleEvent event(this, kind);
        event.setChild(row);
        g_eventSink(&event);
    }
    QAccessible::State changed;
    changed.focused = true;
    changed.selected = true;
    QAccessibleStateChangeEvent stateEvent(this, changed);
    stateEvent.setChild(row);
    g_eventSink(&stateEvent);
}

void TLazyStringTreeWidget::NotifyAccessibleStateChange()
{
    if (!FTreeData->AccessibleItem)
        return;
    // Checks, expansion and collapse report here, for the focused item.
    QAccessible::State changed;
    changed.checked = true;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(this, changed);
    event.setChild(rowOf(*this, FocusedNode()));
    g_eventSink(&event);
}

void TTreePartDeleter::operator()(TTreeDataState *Part) const { delete Part; }

TTreePart<TTreeDataState> TLazyStringTreeWidget::newDataState(const TBaseLazyTree &Tree)
{
    return TTreePart<TTreeDataState>(new TTreeDataState(Tree));
}

QString TLazyStringTreeWidget::AccessibleName() const { return FTreeData->AccessibleName; }
void TLazyStringTreeWidget::SetAccessibleName(const QString &value) { FTreeData->AccessibleName = value; }

TTreeDataState::~TTreeDataState()
{
    if (AccessibleItemId)
        QAccessible::deleteAccessibleInterface(AccessibleItemId);
}

} // namespace vtree
