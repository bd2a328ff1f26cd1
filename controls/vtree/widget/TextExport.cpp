// The tree as separated text (a line per node, the main column padded by
// separators to the deepest level), the CSV file of its top-level nodes, and
// the export events alone for the application's own format. A field that
// holds the separator, a quote or a line break is quoted, so that every line
// reads back into the same fields.
#include "platform/ScopeGuard.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeExport.h"
#include "platform/AtomicFile.h"

namespace vtree {

namespace {
const QLatin1String NL("\r\n");

void appendSeparators(QString &out, const QString &separator, int count)
{
    for (int i = 0; i < count; ++i)
        out += separator;
}
} // namespace

QString TLazyStringTreeWidget::ContentToText(TLSTTextSourceType Source, const QString &Separator)
{
    BeginOperation(TLTOperationKind::okExport);
    platform::Finally endOperation([this] { EndOperation(TLTOperationKind::okExport); });
    const TLTExportType type = TLTExportType::etText;
    const int maxLevel = maxExportLevel(Source, false);
    const QString levelPad = Separator.repeated(maxLevel);
    const bool showStatic = StringTreeOptions().StringOptions().contains(TLTStringOption::toShowStaticText);
    QString out;

    if (!ColumnsUsed()) {
        for (PLazyNode node = exportFirst(Source); node && !OperationCancelRequested();
             node = exportNext(node, Source)) {
            appendSeparators(out, Separator, static_cast<int>(GetNodeLevel(node)));
            out += quoteField(exportTexts(node, NoColumn, type).CellText, Separator);
            out += NL;
        }
        return out;
    }

    const std::vector<TLazyTreeColumn *> columns = exportColumns();
    const TColumnIndex mainColumn = MainColumn();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        out += quoteField(columns[i]->Text(), Separator);
        if (i + 1 < columns.size()) {
            if (columns[i]->Index() == mainColumn)
                out += levelPad;
            out += Separator;
        }
    }
    out += NL;
    for (PLazyNode node = exportFirst(Source); node && !OperationCancelRequested(); node = exportNext(node, Source)) {
        const int level = static_cast<int>(GetNodeLevel(node));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const bool isMain = columns[i]->Index() == mainColumn;
            const TLSTGetCellTextEventArgs texts = exportTexts(node, columns[i]->Index(), type);
            QString text = texts.CellText;
            if (showStatic && !texts.StaticText.isEmpty())
                text += QLatin1String(" ") + texts.StaticText;
            if (isMain)
                appendSeparators(out, Separator, level);
            out += quoteField(text, Separator);
            if (isMain)
                appendSeparators(out, Separator, maxLevel - level);
            if (i + 1 < columns.size())
                out += Separator;
        }
        out += NL;
    }
    return out;
}

void TLazyStringTreeWidget::ContentToCustom(TLSTTextSourceType Source)
{
    BeginOperation(TLTOperationKind::okExport);
    platform::Finally endOperation([this] { EndOperation(TLTOperationKind::okExport); });
    const TLTExportType type = TLTExportType::etCustom;
    if (OnBeforeTreeExport)
        OnBeforeTreeExport(this, type);
    if (ColumnsUsed() && FHeader.Options().contains(TLTHeaderOption::hoVisible)) {
        if (OnBeforeHeaderExport)
            OnBeforeHeaderExport(this, type);
        for (TLazyTreeColumn *column : exportColumns()) {
            if (OnBeforeColumnExport)
                OnBeforeColumnExport(this, type, column);
            if (OnColumnExport)
                OnColumnExport(this, type, column);
            if (OnAfterColumnExport)
                OnAfterColumnExport(this, type, column);
        }
        if (OnAfterHeaderExport)
            OnAfterHeaderExport(this, type);
    }
    for (PLazyNode node = exportFirst(Source); node && !OperationCancelRequested(); node = exportNext(node, Source)) {
        if (!passesExportMode(node))
            continue;
        if (OnBeforeNodeExport)
            OnBeforeNodeExport(this, type, node);
        if (OnNodeExport)
            OnNodeExport(this, type, node);
        if (OnAfterNodeExport)
            OnAfterNodeExport(this, type, node);
    }
    if (OnAfterTreeExport)
        OnAfterTreeExport(this, type);
}

bool TLazyStringTreeWidget::SaveToCSVFile(const QString &FileNameWithPath, bool IncludeHeading, QString *Error)
{
    if (FileNameWithPath.isEmpty()) {
        if (Error)
            *Error = QStringLiteral("No file name.");
        return false;
    }
    const TLazyTreeColumns &columns = FHeader.Columns();
    auto field = [](QString text) {
        if (text.isEmpty())
            text = QStringLiteral(" ");
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    };
    QString out;
    if (IncludeHeading) {
        QStringList fields;
        for (TColumnIndex i = 0; i < columns.Count(); ++i)
            fields.append(field(columns[i].Text()));
        out += fields.join(QLatin1Char(',')) + NL;
    }
    for (PLazyNode node = GetFirstChild(nullptr); node; node = GetNextSibling(node)) {
        QStringList fields;
        for (TColumnIndex i = 0; i < columns.Count(); ++i)
            fields.append(field(GetText(node, i)));
        out += fields.join(QLatin1Char(',')) + NL;
    }
    return platform::writeFileAtomically(FileNameWithPath, out.toUtf8(), Error);
}

} // namespace vtree
