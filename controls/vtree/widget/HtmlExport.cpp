// The tree as an HTML table: a style sheet with the tree's and the header's
// fonts, a header row, and one row per node whose main cell is indented by
// empty cells and spans the levels below it. Texts are escaped.
#include "platform/ScopeGuard.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeExport.h"
#include "platform/Color.h"

#include <cmath>

namespace vtree {

namespace {

const QLatin1String NL("\r\n");

QString htmlColor(TColor color)
{
    const TColor rgb = platform::ColorToRGB(color);
    return QStringLiteral("#%1%2%3")
        .arg(rgb & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

struct FontLook {
    QString name;
    int height;
    TColor color;
    bool italic, bold, underline;
};

FontLook lookOf(const platform::TFont &font)
{
    return {font.Name(), font.Height(), font.Color(), font.Style().italic, font.Style().bold, font.Style().underline};
}

// The header's font keeps its style as the stream's bits: bold, italic, underline.
FontLook lookOf(const THeaderFont &font)
{
    return {font.Name, font.Height, font.Color, (font.Style & 2) != 0, (font.Style & 1) != 0, (font.Style & 4) != 0};
}

// Points at 96 dpi, as a font's size is counted: negative for a cell height.
int pointSize(int height)
{
    const int h = -height;
    return h >= 0 ? (h * 72 + 48) / 96 : -((-h * 72 + 48) / 96);
}

QString fontStyle(const FontLook &font)
{
    const int size = pointSize(font.height);
    QString out = QStringLiteral("font-family: '%1'; ").arg(escapeHtml(font.name));
    out +=
        size < 0 ? QStringLiteral("font-size: %1px; ").arg(font.height) : QStringLiteral("font-size: %1pt; ").arg(size);
    out += QStringLiteral("font-style: %1; ").arg(font.italic ? QLatin1String("italic") : QLatin1String("normal"));
    out += QStringLiteral("font-weight: %1; ").arg(font.bold ? QLatin1String("bold") : QLatin1String("normal"));
    out += QStringLiteral("text-decoration: %1; ")
               .arg(font.underline ? QLatin1String("underline") : QLatin1String("none"));
    out += QLatin1String("color: ") + htmlColor(font.color) + QLatin1String(";}");
    return out;
}

QString alignmentAttributes(TAlignment alignment, bool rightToLeft)
{
    QString out;
    if (rightToLeft) {
        alignment = mirrored(alignment);
        out += QLatin1String(" dir=\"rtl\"");
    }
    switch (alignment) {
    case TAlignment::taRightJustify:
        return out + QLatin1String(" align=right");
    case TAlignment::taCenter:
        return out + QLatin1String(" align=center");
    case TAlignment::taLeftJustify:
        break;
    }
    return out + QLatin1String(" align=left");
}

} // namespace

QString TLazyStringTreeWidget::ContentToHTML(TLSTTextSourceType Source, const QString &Caption)
{
    BeginOperation(TLTOperationKind::okExport);
    platform::Finally endOperation([this] { EndOperation(TLTOperationKind::okExport); });
    const TLTExportType type = TLTExportType::etHTML;
    const QString cellPadding = QStringLiteral("padding-left: %1px; padding-right: %1px;").arg(Margin());
    const QString indentWidth = QString::number(Indent());
    QString tableAttributes = QStringLiteral(" ");
    if (!Caption.isEmpty())
        tableAttributes += QLatin1String("caption=\"") + escapeHtml(Caption) + QLatin1String("\"");
    if (BorderStyle() != TBorderStyle::bsNone)
        tableAttributes += QStringLiteral(" border=\"%1\" frame=box").arg(1); // no border width beside the frame
    const QString lineStyle =
        LineStyle() == TLTLineStyle::lsSolid ? QStringLiteral("solid;") : QStringLiteral("dotted;");
    const bool horzLines = toOption(TLTPaintOption::toShowHorzGridLines);
    const bool vertLines = toOption(TLTPaintOption::toShowVertGridLines);

    QString out;
    out += QLatin1String("<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
    out += QLatin1String("<style type=\"text/css\">") + NL;
    out += QLatin1String(".default{") + fontStyle(lookOf(TreeFont())) + NL;
    out += QLatin1String(".header{") + fontStyle(lookOf(FHeader.Font())) + NL;
    if (horzLines)
        out += QLatin1String(
                   ".noborder{ border-bottom:1px; border-left: 0px; border-right: 0px; border-top: 1px;border-style:") +
               lineStyle;
    else
        out += QLatin1String(".noborder{border-style: none;");
    out += cellPadding + QLatin1String("}") + NL;
    out += QLatin1String(".normalborder {vertical-align: top; ");
    out += vertLines ? QLatin1String("border-right: 1px; border-left: 1px; ")
                     : QLatin1String("border-right: none; border-left:none; ");
    out += horzLines ? QLatin1String("border-top: 1px; border-bottom: 1px; ")
                     : QLatin1String("border-top:none; border-bottom: none;");
    out += QLatin1String("border-width: thin; border-style: ") + lineStyle + cellPadding + QLatin1String("}");
    out += QLatin1String("</style>") + NL;
    out += QLatin1String("<table class=\"default\" style=\"border-collapse: collapse;\" bgcolor=") + htmlColor(Color()) +
           tableAttributes + QLatin1String(" cellspacing=\"0\">") + NL;

    const int maxLevel = maxExportLevel(Source, true);
    const std::vector<TLazyTreeColumn *> columns = exportColumns();
    const TColumnIndex mainColumn = MainColumn();
    auto isMain = [&](const TLazyTreeColumn *column) { return !column || column->Index() == mainColumn; };

    if (ColumnsUsed()) {
        if (OnBeforeHeaderExport)
            OnBeforeHeaderExport(this, type);
        out += QLatin1String("<tr class=\"header\" style=\"") + cellPadding + QLatin1String("\">") + NL;
        for (TLazyTreeColumn *column : columns) {
            if (OnBeforeColumnExport)
                OnBeforeColumnExport(this, type, column);
            out += QStringLiteral("<th height=\"%1px\"").arg(FHeader.Height());
            out += alignmentAttributes(column->CaptionAlignment(), column->BiDiMode() != TBiDiMode::bdLeftToRight);
            if (isMain(column) && maxLevel > 0)
                out += QStringLiteral(" colspan=\"%1\"").arg(maxLevel + 1);
            out += QLatin1String(" bgcolor=") + htmlColor(platform::clBtnFace);
            out += QStringLiteral(" width=\"%1px\">").arg(column->Width());
            out += escapeHtml(column->Text());
            out += QLatin1String("</th>");
            if (OnAfterColumnExport)
                OnAfterColumnExport(this, type, column);
        }
        out += QLatin1String("</tr>") + NL;
        if (OnAfterHeaderExport)
            OnAfterHeaderExport(this, type);
    }

    const bool showStatic = StringTreeOptions().StringOptions().contains(TLTStringOption::toShowStaticText);
    for (PLazyNode node = exportFirst(Source); node && !OperationCancelRequested(); node = exportNext(node, Source)) {
        if (!exportNodeAllowed(type, node))
            continue;
        const int level = static_cast<int>(GetNodeLevel(node));
        const QString height = QString::number(GetNodeHeight(node));
        out += QLatin1String(" <tr class=\"default\">") + NL;
        for (TLazyTreeColumn *column : columns) {
            const bool parentColor = !column || column->Options().contains(TLTColumnOption::coParentColor);
            const QString columnColor = column ? htmlColor(column->Color()) : QString();
            if (isMain(column) && level > 0) {
                if (parentColor) {
                    out += QLatin1String(" <td height=\"") + height +
                           QLatin1String("px\" class=\"normalborder\">&nbsp;</td>");
                    for (int i = 1; i < level; ++i)
                        out += QLatin1String(" <td>&nbsp;</td>");
                } else {
                    for (int i = 0; i < level; ++i)
                        out += QLatin1String("<td class=\"noborder\" width=\"") + indentWidth +
                               QLatin1String("\" height=\"") + height + QLatin1String("px\" bgcolor=") + columnColor +
                               QLatin1String(">&nbsp;</td>");
                }
            }
            const TLSTGetCellTextEventArgs texts = exportTexts(node, column ? column->Index() : NoColumn, type);
            out += QLatin1String(" <td class=\"normalborder\"  height=\"") + height + QLatin1String("px\"");
            out += column ? alignmentAttributes(column->Alignment(), column->BiDiMode() != TBiDiMode::bdLeftToRight)
                          : alignmentAttributes(Alignment(), false);
            if (isMain(column) && level < maxLevel)
                out += QStringLiteral(" colspan=\"%1\"").arg(maxLevel - level + 1);
            if (column && !parentColor)
                out += QLatin1String(" bgcolor=") + columnColor;
            out += QLatin1String(">") + escapeHtml(texts.CellText);
            if (showStatic && !texts.StaticText.isEmpty())
                out += QLatin1String(" ") + escapeHtml(texts.StaticText);
            out += QLatin1String("</td>");
        }
        if (OnAfterNodeExport)
            OnAfterNodeExport(this, type, node);
        out += QLatin1String(" </tr>") + NL;
    }
    out += QLatin1String("</table>");
    return out;
}

} // namespace vtree
