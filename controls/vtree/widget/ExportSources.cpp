// The nodes, columns and texts every export walks, and the formats' escapes.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeExport.h"

#include <QLocale>
#include <algorithm>

namespace vtree {

using enum TLSTTextSourceType;

QString escapeHtml(const QString &Text)
{
    QString out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString quoteField(const QString &Text, const QString &Separator)
{
    bool quote = std::any_of(Text.begin(), Text.end(), [](QChar c) {
        return c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
    quote = quote || (!Separator.isEmpty() && Text.contains(Separator));
    if (!quote)
        return Text;
    QString inner = Text;
    inner.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString localeListSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? QStringLiteral(";") : QStringLiteral(",");
}

PLazyNode TLazyStringTreeWidget::exportFirst(TLSTTextSourceType Source)
{
    switch (Source) {
    case tstAll:
        return GetFirst();
    case tstInitialized:
        return GetFirstInitialized();
    case tstSelected:
        return GetFirstSelected();
    case tstCutCopySet:
        return GetFirstCutCopy();
    case tstVisible:
        return GetFirstVisible(nullptr, true);
    case tstChecked:
        return GetFirstChecked(TCheckState::csCheckedNormal);
    }
    return nullptr;
}

PLazyNode TLazyStringTreeWidget::exportNext(PLazyNode Node, TLSTTextSourceType Source)
{
    switch (Source) {
    case tstAll:
        return GetNext(Node);
    case tstInitialized:
        return GetNextInitialized(Node);
    case tstSelected:
        return GetNextSelected(Node);
    case tstCutCopySet:
        return GetNextCutCopy(Node);
    case tstVisible:
        return GetNextVisible(Node, true);
    case tstChecked:
        return GetNextChecked(Node, TCheckState::csCheckedNormal);
    }
    return nullptr;
}

bool TLazyStringTreeWidget::passesExportMode(PLazyNode Node) const
{
    switch (TreeOptions().ExportMode()) {
    case TLTExportMode::emAll:
        return true;
    case TLTExportMode::emChecked:
        return Node->CheckState == TCheckState::csCheckedNormal;
    case TLTExportMode::emUnchecked:
        return Node->CheckState == TCheckState::csUncheckedNormal;
    case TLTExportMode::emVisibleDueToExpansion:
        return Node->Parent->States.contains(TLazyNodeState::vsExpanded);
    case TLTExportMode::emSelected:
        return Selected(Node);
    }
    return true;
}

bool TLazyStringTreeWidget::exportNodeAllowed(TLTExportType Type, PLazyNode Node)
{
    return passesExportMode(Node) && (!OnBeforeNodeExport || OnBeforeNodeExport(this, Type, Node));
}

std::vector<TLazyTreeColumn *> TLazyStringTreeWidget::exportColumns() const
{
    if (!ColumnsUsed())
        return {nullptr};
    return FHeader.Columns().GetVisibleColumns();
}

TLSTGetCellTextEventArgs TLazyStringTreeWidget::exportTexts(PLazyNode Node, TColumnIndex Column, TLTExportType Type)
{
    TLSTGetCellTextEventArgs E;
    E.Node = Node;
    E.Column = Column;
    E.ExportType = Type;
    E.CellText = DefaultText();
    QueryCellText(E);
    return E;
}

int TLazyStringTreeWidget::maxExportLevel(TLSTTextSourceType Source, bool ApplyExportMode)
{
    int level = 0;
    for (PLazyNode node = exportFirst(Source); node; node = exportNext(node, Source))
        if (!ApplyExportMode || passesExportMode(node))
            level = std::max(level, static_cast<int>(GetNodeLevel(node)));
    return level;
}

} // namespace vtree
