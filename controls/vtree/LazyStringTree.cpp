#include "controls/vtree/LazyStringTree.h"
#include "controls/vtree/TreeErrors.h"

#include <algorithm>
#include <cstring>

namespace vtree {

using enum TLazyNodeState;

void TCustomStringTreeOptions::SetStringOptions(TLTStringOptions value)
{
    if (value == FStringOptions)
        return;
    const bool staticTextChanged =
        value.contains(TLTStringOption::toShowStaticText) != FStringOptions.contains(TLTStringOption::toShowStaticText);
    FStringOptions = value;
    if (staticTextChanged)
        repaintOwner();
}

void TCustomStringTreeOptions::AssignTo(TCustomLazyTreeOptions &Dest) const
{
    if (auto *strings = dynamic_cast<TCustomStringTreeOptions *>(&Dest))
        strings->SetStringOptions(FStringOptions);
    TCustomLazyTreeOptions::AssignTo(Dest);
}

TCustomLazyStringTree::TCustomLazyStringTree()
    : TCustomLazyStringTree([](TBaseLazyTree &tree) { return std::make_unique<TCustomStringTreeOptions>(tree); })
{
}

TCustomLazyStringTree::TCustomLazyStringTree(const OptionsFactory &createOptions) : TBaseLazyTree(createOptions)
{
    // Before any node exists, as every internal area must be.
    FInternalDataOffset = ReserveInternalData(sizeof(std::uint32_t));
}

TCustomLazyStringTree::~TCustomLazyStringTree() { FPreviouslySelected.reset(); }

TLazyStringTree::TLazyStringTree()
    : TCustomLazyStringTree([](TBaseLazyTree &tree) { return std::make_unique<TStringTreeOptions>(tree); })
{
}

void TCustomLazyStringTree::QueryCellText(TLSTGetCellTextEventArgs &E)
{
    if (!E.Node->States.contains(vsInitialized))
        InitializeNode(E.Node);
    if (OnGetCellText) {
        OnGetCellText(this, E);
    } else if (OnGetText) {
        OnGetText(this, E.Node, E.Column, TLSTTextType::ttNormal, E.CellText);
        OnGetText(this, E.Node, E.Column, TLSTTextType::ttStatic, E.StaticText);
    }
}

QString TCustomLazyStringTree::GetText(PLazyNode Node, TColumnIndex Column)
{
    LT_ASSERT(Node, assertions::nodeNil);
    TLSTGetCellTextEventArgs E;
    E.Node = Node;
    E.Column = Column;
    E.CellText = FDefaultText;
    QueryCellText(E);
    return E.CellText;
}

QString TCustomLazyStringTree::GetStaticText(PLazyNode Node, TColumnIndex Column)
{
    LT_ASSERT(Node, assertions::nodeNil);
    TLSTGetCellTextEventArgs E;
    E.Node = Node;
    E.Column = Column;
    QueryCellText(E);
    return E.StaticText;
}

void TCustomLazyStringTree::NotifyNewText(PLazyNode Node, TColumnIndex Column, const QString &NewText)
{
    if (OnNewText)
        OnNewText(this, Node, Column, NewText);
    if (!IsUpdating())
        UpdateScrollBars(true);
}

void TCustomLazyStringTree::SetText(PLazyNode Node, TColumnIndex Column, const QString &Value)
{
    NotifyNewText(Node, Column, Value);
    InvalidateNode(Node);
}

QString TCustomLazyStringTree::GetImageText(PLazyNode Node, TLTImageKind Kind, TColumnIndex Column)
{
    LT_ASSERT(Node, assertions::nodeNil);
    if (!Node->States.contains(vsInitialized))
        InitializeNode(Node);
    QString text;
    QueryImageText(Node, Kind, Column, text);
    return text;
}

QString TCustomLazyStringTree::Path(PLazyNode Node, TColumnIndex Column, QChar Delimiter)
{
    if (!Node || Node == RootNode())
        return QString(Delimiter);
    QStringList parts;
    for (PLazyNode node = Node; node != RootNode(); node = node->Parent)
        parts.prepend(GetText(node, Column));
    QString result;
    for (const QString &part : parts)
        result += part + Delimiter;
    return result;
}

void TCustomLazyStringTree::SetDefaultText(const QString &Value)
{
    if (Value == FDefaultText)
        return;
    FDefaultText = Value;
    if (!IsLoading())
        Invalidate();
}

std::uint32_t TCustomLazyStringTree::CachedTextWidth(PLazyNode Node) const
{
    std::uint32_t width = 0;
    std::memcpy(&width, InternalData(Node, FInternalDataOffset), sizeof width);
    return width;
}

void TCustomLazyStringTree::SetCachedTextWidth(PLazyNode Node, std::uint32_t Width)
{
    std::memcpy(InternalData(Node, FInternalDataOffset), &Width, sizeof Width);
}

void TCustomLazyStringTree::ClearCachedTextWidths()
{
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
        SetCachedTextWidth(node, 0);
}

void TCustomLazyStringTree::InvalidateNode(PLazyNode Node)
{
    TBaseLazyTree::InvalidateNode(Node);
    if (Node && Node != RootNode()) {
        SetCachedTextWidth(Node, 0);
        Node->States.exclude(vsHeightMeasured);
    }
}

void TCustomLazyStringTree::SetChildCount(PLazyNode Node, std::uint32_t NewChildCount)
{
    TBaseLazyTree::SetChildCount(Node, NewChildCount);
    if (Node && Node != RootNode())
        SetCachedTextWidth(Node, 0);
}

void TCustomLazyStringTree::ReinitNode(PLazyNode Node, bool Recursive)
{
    TBaseLazyTree::ReinitNode(Node, Recursive);
    if (Node && Node != RootNode())
        SetCachedTextWidth(Node, 0);
}

bool TCustomLazyStringTree::IsCellEmpty(PLazyNode Node, TColumnIndex Column)
{
    return GetText(Node, Column).isEmpty() && TBaseLazyTree::IsCellEmpty(Node, Column);
}

QString TCustomLazyStringTree::QueryNodeHint(PLazyNode Node, TColumnIndex Column, TLTTooltipLineBreakStyle &LineBreakStyle)
{
    QString hint = TBaseLazyTree::QueryNodeHint(Node, Column, LineBreakStyle);
    if (OnGetHint)
        OnGetHint(this, Node, Column, LineBreakStyle, hint);
    return hint;
}

QString TCustomLazyStringTree::QueryNodeTooltip(PLazyNode Node, TColumnIndex Column, TLTTooltipLineBreakStyle &LineBreakStyle)
{
    QString tip = TBaseLazyTree::QueryNodeHint(Node, Column, LineBreakStyle);
    if (OnGetHint)
        OnGetHint(this, Node, Column, LineBreakStyle, tip);
    else
        tip = GetText(Node, Column);
    return tip;
}

int TCustomLazyStringTree::QueryIncrementalSearch(PLazyNode Node, const QString &SearchText)
{
    if (OnIncrementalSearch)
        return TBaseLazyTree::QueryIncrementalSearch(Node, SearchText);
    return GetText(Node, FocusedColumn()).startsWith(SearchText, Qt::CaseSensitive) ? 0 : 1;
}

bool TCustomLazyStringTree::CaptionForStream(PLazyNode Node, QString &Caption)
{
    if (!StringTreeOptions().StringOptions().contains(TLTStringOption::toSaveCaptions) || Node == RootNode())
        return false;
    Caption = GetText(Node, MainColumn());
    return !Caption.isEmpty();
}

void TCustomLazyStringTree::CaptionFromStream(PLazyNode Node, const QString &Caption)
{
    SetText(Node, MainColumn(), Caption);
}

// The text a node is remembered by for restoring the selection.
QString TCustomLazyStringTree::restoreText(PLazyNode Node)
{
    QString text = FDefaultText;
    OnGetText(this, Node, 0, TLSTTextType::ttNormal, text);
    return text;
}

namespace {
bool lessNoCase(const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; }
} // namespace

void TCustomLazyStringTree::AddToSelection(PLazyNode Node)
{
    TBaseLazyTree::AddToSelection(Node);
    if (toOption(TLTSelectionOption::toRestoreSelection) && OnGetText && Selected(Node) &&
        !TreeStates().contains(TLazyTreeState::tsPreviouslySelectedLocked)) {
        if (!FPreviouslySelected)
            FPreviouslySelected = std::make_unique<QStringList>();
        if (SelectedCount() == 1)
            FPreviouslySelected->clear();
        const QString text = restoreText(Node);
        auto at = std::lower_bound(FPreviouslySelected->begin(), FPreviouslySelected->end(), text, lessNoCase);
        if (at == FPreviouslySelected->end() || lessNoCase(text, *at))
            FPreviouslySelected->insert(at, text);
    }
    UpdateNextNodeToSelect(Node);
}

void TCustomLazyStringTree::RemoveFromSelection(PLazyNode Node)
{
    TBaseLazyTree::RemoveFromSelection(Node);
    if (!toOption(TLTSelectionOption::toRestoreSelection) || !FPreviouslySelected || Selected(Node))
        return;
    if (SelectedCount() == 0) {
        FPreviouslySelected->clear();
        return;
    }
    if (!OnGetText)
        return;
    const QString text = restoreText(Node);
    auto at = std::lower_bound(FPreviouslySelected->begin(), FPreviouslySelected->end(), text, lessNoCase);
    if (at != FPreviouslySelected->end() && !lessNoCase(text, *at))
        FPreviouslySelected->erase(at);
}

PLazyNode TCustomLazyStringTree::AddChild(PLazyNode Parent, void *UserData)
{
    PLazyNode node = TBaseLazyTree::AddChild(Parent, UserData);
    if (node && toOption(TLTSelectionOption::toRestoreSelection) && FPreviouslySelected && OnGetText) {
        const QString text = restoreText(node);
        if (std::binary_search(FPreviouslySelected->begin(), FPreviouslySelected->end(), text, lessNoCase)) {
            {
                StateScope locked(*this, TLazyTreeState::tsPreviouslySelectedLocked);
                AddToSelection(node);
            }
            if (PLazyNode first = GetFirstSelected(); first && !IsUpdating())
                ScrollIntoView(first, true, false);
        }
    }
    return node;
}

} // namespace vtree
