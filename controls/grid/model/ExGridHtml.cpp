// The grid as an HTML table: one style class per distinct cell look.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/model/HtmlPictures.h"
#include "controls/grid/model/HtmlSettings.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/ui/BusyCursor.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace controls {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
// What a colour is before the cell's look sets it: "no colour".
const platform::TColor kNoColor = platform::colorFromBits(0x7FFFFFFF);

QString q(const QString &text)
{
    return u'"' + text + u'"';
}

// The link target as an attribute value: quoted, its quotes and
// ampersands as references, so no text can end the tag.
QString hrefOf(const QString &target)
{
    QString value = target;
    value.replace(u'&', QStringLiteral("&amp;"));
    value.replace(u'"', QStringLiteral("&quot;"));
    return QStringLiteral("<a href=\"") + value + QStringLiteral("\">");
}

QString cellStyle(const platform::TBrush &brush, const platform::TFont &font, TAlignment ha, TVAlignment va,
                  bool saveColor)
{
    QStringList parts;
    if (saveColor && brush.Color() != kNoColor && platform::isColorSet(brush.Color()))
        parts << QStringLiteral("background-color: #") + ColorToHexRGB(platform::ColorToRGB(brush.Color()));
    if (saveColor && font.Color() != kNoColor && platform::isColorSet(font.Color()))
        parts << QStringLiteral("color: #") + ColorToHexRGB(platform::ColorToRGB(font.Color()));
    parts << QStringLiteral("font-size:%1pt").arg(font.Size());
    if (font.Style().italic)
        parts << QStringLiteral("font-style: italic");
    if (font.Style().bold)
        parts << QStringLiteral("font-weight: bold");
    parts << QStringLiteral("font-family: ") + font.Name();
    if (ha == taRightJustify)
        parts << QStringLiteral("text-align: right");
    else if (ha == taCenter)
        parts << QStringLiteral("text-align: center");
    static const char *const vertical[] = {"vertical-align: top", "vertical-align: middle", "vertical-align: bottom"};
    parts << QString::fromLatin1(vertical[va]);
    return parts.join(u';');
}

// Every character beyond 7-bit ASCII as a numeric reference, so nothing
// turns into "?".
QByteArray asciiWithReferences(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const QList<uint> points = text.toUcs4();
    for (const uint point : points) {
        if (point < 0x80)
            bytes += char(point);
        else
            bytes += "&#" + QByteArray::number(point) + ';';
    }
    return bytes;
}

QStringList linesOfFile(const QString &file)
{
    const platform::FileRead read = platform::readWholeFile(file);
    if (!read.ok())
        return {};
    QString text = read.bytes.startsWith("\xFF\xFE") ? QString::fromUtf16(
                                                           reinterpret_cast<const char16_t *>(read.bytes.constData() + 2),
                                                           (read.bytes.size() - 2) / 2)
                                                     : QString::fromUtf8(read.bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

THTMLSettings &TExStringGrid::HTMLSettings() const
{
    if (!m_htmlSettings)
        m_htmlSettings = std::make_shared<THTMLSettings>();
    return *m_htmlSettings;
}

QString TExStringGrid::SaveToHTMLString(const QString &dir)
{
    const platform::BusyCursor busy;
    const THTMLSettings &settings = HTMLSettings();
    THtmlPictures pictures(dir);
    const bool urlShow = Appearance().URLShow;
    const bool urlFull = Appearance().URLFull;
    const int firstCol = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    int firstRow = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    QStringList styles;
    QStringList table;

    const auto linkRule = [&](const QString &text) {
        if (!urlShow || text.contains(QStringLiteral("</")))
            return text;
        QString out = text;
        if (const qsizetype at = text.indexOf(QStringLiteral("://")); at >= 0)
            out = hrefOf(text) + (urlFull ? text : text.mid(at + 3).left(255)) + QStringLiteral("</a>");
        if (const qsizetype at = text.indexOf(QStringLiteral("mailto:")); at >= 0)
            out = hrefOf(text) + (urlFull ? text : text.mid(at + 7)) + QStringLiteral("</a>");
        return out;
    };
    const auto classOf = [&](const QString &style) {
        qsizetype k = styles.indexOf(style);
        if (k < 0) {
            k = styles.size();
            styles << style;
        }
        return QStringLiteral("c%1").arg(k);
    };
    const auto spansOf = [&](int c, int r) {
        QString spans;
        if (!IsMergedCell(c, r))
            return spans;
        const TGridCoord span = CellSpan(c, r);
        if (span.X > 0)
            spans += QStringLiteral(" COLSPAN=") + q(QString::number(span.X + 1));
        if (span.Y > 0)
            spans += QStringLiteral(" ROWSPAN=") + q(QString::number(span.Y + 1));
        return spans;
    };
    const auto shown = [&](int c, int r) { return !IsMergedNonBaseCell(c, r); };
    const auto look = [&](int c, int r, bool header, bool &wordWrap) {
        TGridDrawState state;
        platform::TBrush brush;
        brush.setColor(kNoColor);
        platform::TFont font = Font();
        font.setColor(kNoColor);
        platform::TColor to = kNoColor, mirror = kNoColor, mirrorTo = kNoColor;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        TCellGradientDirection gd{};
        wordWrap = false;
        GetVisualProperties(c, r, state, false, false, false, brush, to, mirror, mirrorTo, font, ha, va, wordWrap, gd);
        if (header) {
            font = Font();
            brush.setColor(FixedColor());
        } else if (IsFixed(c, r)) {
            brush.setColor(FixedColor());
        }
        return cellStyle(brush, font, ha, va, settings.SaveColor);
    };

    table << QStringLiteral("<TABLE BORDER=") + q(QString::number(settings.BorderSize)) + QStringLiteral(" CELLSPACING=")
                 + q(QString::number(settings.CellSpacing)) + QStringLiteral(" CELLPADDING=")
                 + q(QString::number(settings.CellPadding)) + u' '
                 + (settings.Summary.isEmpty() ? QString() : QStringLiteral("SUMMARY=") + q(settings.Summary) + u' ')
                 + (settings.TableStyle.isEmpty() ? QString() : u' ' + settings.TableStyle + u' ')
                 + QStringLiteral(" WIDTH=") + q(QString::number(settings.Width) + u'%') + u'>';

    const bool headerRow = FixedRows() > 0 && (SaveFixedCells || SaveFixedRows);
    if (headerRow) {
        table << QStringLiteral("<TR>");
        for (int c = firstCol; c <= lastCol; ++c) {
            if (!shown(c, 0))
                continue;
            QString text;
            DoSaveCell(RealColIndex(c), 0, text);
            text = linkRule(CRToHtmlBreak(text));
            if (text.isEmpty())
                text = QStringLiteral("&nbsp;");
            bool wordWrap = false;
            const QString style = look(c, 0, true, wordWrap);
            QString width;
            if (c < settings.ColWidths().Count())
                width = QStringLiteral(" WIDTH=%1").arg(settings.ColWidths().Items(c));
            table << QStringLiteral("<TD class=") + q(classOf(style)) + spansOf(c, 0)
                         + (wordWrap ? QString() : QStringLiteral(" nowrap")) + width + u'>' + text
                         + QStringLiteral("</td>");
        }
        table << QStringLiteral("</TR>");
        firstRow = 1;
    }

    ExportNotification(esExportStart, firstRow);
    for (int r = firstRow; r <= lastRow; ++r) {
        ExportNotification(esExportNextRow, r);
        table << QStringLiteral("<TR>");
        for (int c = firstCol; c <= lastCol; ++c) {
            if (!shown(c, r))
                continue;
            const int realCol = RealColIndex(c);
            QString saved;
            DoSaveCell(realCol, r, saved);
            QString text = saved;
            if (settings.ConvertSpecialChars)
                text = EscapeHtmlText(text, true);
            if (settings.NonBreakingText)
                text = SpacesToNbsp(text);
            text = linkRule(CRToHtmlBreak(text));
            if (text.trimmed().isEmpty())
                text = QStringLiteral("&nbsp;");
            if (settings.ExportImages)
                text = pictures.cellContent(*this, realCol, r, text, saved);
            bool wordWrap = false;
            const QString style = look(c, r, false, wordWrap);
            QString width;
            const int index = c - firstCol;
            if (!headerRow && index < settings.ColWidths().Count())
                width = QStringLiteral(" width=%1").arg(settings.ColWidths().Items(index));
            table << QStringLiteral("<TD class=") + q(classOf(style)) + spansOf(c, r)
                         + (wordWrap ? QString() : QStringLiteral(" nowrap")) + width + u'>' + text
                         + QStringLiteral("</td>");
        }
        table << QStringLiteral("</TR>");
    }
    ExportNotification(esExportDone, -1);
    table << QStringLiteral("</TABLE>");
    if (!settings.SuffixTag.isEmpty())
        table << settings.SuffixTag;
    if (settings.XHTML)
        table << QStringLiteral("</HTML>");

    QString html;
    if (settings.XHTML) {
        html += QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + kCrLf;
        html += QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"") + kCrLf;
        html += QStringLiteral("\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">") + kCrLf;
        html += QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">") + kCrLf;
    }
    html += settings.PrefixTag;
    html += QStringLiteral("<style>") + kCrLf;
    for (qsizetype k = 0; k < styles.size(); ++k)
        html += QStringLiteral(".c%1 {").arg(k) + styles[k] + u'}' + kCrLf;
    html += QStringLiteral("</style>") + kCrLf;
    html += table.join(kCrLf);
    return html;
}

void TExStringGrid::saveHtmlFile(const QString &FileName, bool Show, bool Unicode, bool append)
{
    const platform::BusyCursor busy;
    const THTMLSettings &settings = HTMLSettings();
    QStringList lines;
    if (append)
        lines << linesOfFile(FileName);
    if (!settings.HeaderFile.isEmpty())
        lines << linesOfFile(settings.HeaderFile);
    QString dir = QFileInfo(FileName).absolutePath();
    dir.replace(u'\\', u'/');
    if (!dir.endsWith(u'/'))
        dir += u'/';
    lines << SaveToHTMLString(dir);
    if (!settings.FooterFile.isEmpty())
        lines << linesOfFile(settings.FooterFile);
    const QString text = lines.join(kCrLf) + kCrLf;
    QByteArray bytes;
    if (Unicode) {
        bytes = QByteArray("\xFF\xFE");
        for (const QChar ch : text) {
            bytes += char(ch.unicode() & 0xFF);
            bytes += char(ch.unicode() >> 8);
        }
    } else {
        bytes = asciiWithReferences(text);
    }
    if (!platform::writeFileAtomically(FileName, bytes))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
    if (!Show && !settings.AutoPreview)
        return;
    if (DocumentOpener)
        DocumentOpener(FileName);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(FileName));
}

void TExStringGrid::SaveToHTML(const QString &FileName, bool Show, bool Unicode)
{
    saveHtmlFile(FileName, Show, Unicode, false);
}

void TExStringGrid::AppendToHTML(const QString &FileName, bool Show, bool Unicode)
{
    saveHtmlFile(FileName, Show, Unicode, true);
}

} // namespace controls
