// The tree as an RTF table: one row per node, the main cell indented by tabs,
// every text as Unicode escapes; fonts and colours are listed in the order
// they are first used, and the paper follows the locale's measurement.
#include "platform/ScopeGuard.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeExport.h"
#include "platform/Color.h"

#include <QLocale>
#include <cmath>

namespace vtree {

namespace {

struct RtfFont {
    QString name;
    int size; // points
    TColor color;
    bool italic, bold, underline;
};

int pointsOf(int height)
{
    const int h = -height;
    return h >= 0 ? (h * 72 + 48) / 96 : -((-h * 72 + 48) / 96);
}

// Pixels at 96 per inch as twips, rounded.
int twips(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / 96.0)); }

class RtfWriter {
public:
    QByteArray body;

    void text(const QString &S, const RtfFont &font)
    {
        if (S.isEmpty())
            return;
        if (font.underline)
            body += "\\ul";
        if (font.italic)
            body += "\\i";
        if (font.bold)
            body += "\\b";
        int fontIndex = static_cast<int>(m_fonts.indexOf(font.name));
        if (fontIndex < 0) {
            m_fonts.append(font.name);
            fontIndex = static_cast<int>(m_fonts.size()) - 1;
            body += "\\f" + QByteArray::number(fontIndex);
        } else if (fontIndex != m_currentFont) {
            body += "\\f" + QByteArray::number(fontIndex);
        }
        m_currentFont = fontIndex;
        const TColor rgb = platform::ColorToRGB(font.color);
        int colorIndex = static_cast<int>(m_colors.indexOf(rgb));
        if (colorIndex < 0) {
            m_colors.append(rgb);
            colorIndex = static_cast<int>(m_colors.size()) - 1;
            body += "\\cf" + QByteArray::number(colorIndex + 1);
        } else if (colorIndex != m_currentColor) {
            body += "\\cf" + QByteArray::number(colorIndex + 1);
        }
        m_currentColor = colorIndex;
        if (font.size != m_currentSize) {
            body += "\\fs" + QByteArray::number(font.size * 2);
            m_currentSize = font.size;
        }
        body += ' ';
        for (QChar c : S) {
            if (c == QLatin1Char('\n'))
                body += "{\\par}";
            else if (c != QLatin1Char('\r'))
                body += "\\u" + QByteArray::number(static_cast<std::int16_t>(c.unicode())) + "\\'3f";
        }
        if (font.underline)
            body += "\\ul0";
        if (font.italic)
            body += "\\i0";
        if (font.bold)
            body += "\\b0";
    }

    QByteArray document() const
    {
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + ' ' + m_fonts[i].toUtf8() + ";}";
        out += "}{\\colortbl;";
        for (TColor rgb : m_colors)
            out += "\\red" + QByteArray::number(rgb & 0xFF) + "\\green" + QByteArray::number((rgb >> 8) & 0xFF) +
                   "\\blue" + QByteArray::number((rgb >> 16) & 0xFF) + ';';
        out += '}';
        out += QLocale().measurementSystem() == QLocale::MetricSystem ? "\\paperw16840\\paperh11907"
                                                                      : "\\paperw15840\\paperh12240";
        out += "\\margl720\\margr720\\margt720\\margb720";
        return out + body + '}';
    }

private:
    QStringList m_fonts;
    QList<TColor> m_colors;
    int m_currentFont = -1;
    int m_currentColor = -1;
    int m_currentSize = -1;
};

QByteArray alignmentWord(TAlignment alignment, bool rightToLeft, bool withLeft)
{
    if (rightToLeft)
        alignment = mirrored(alignment);
    switch (alignment) {
    case TAlignment::taRightJustify:
        return "\\qr";
    case TAlignment::taCenter:
        return "\\qc";
    case TAlignment::taLeftJustify:
        break;
    }
    return withLeft ? "\\ql" : "";
}

} // namespace

QByteArray TLazyStringTreeWidget::ContentToRTF(TLSTTextSourceType Source)
{
    BeginOperation(TLTOperationKind::okExport);
    platform::Finally endOperation([this] { EndOperation(TLTOperationKind::okExport); });
    const TLTExportType type = TLTExportType::etRTF;
    const RtfFont treeFont{TreeFont().Name(), TreeFont().Size(), TreeFont().Color(), TreeFont().Style().italic, TreeFont().Style().bold,
                           TreeFont().Style().underline};
    const THeaderFont &hf = FHeader.Font();
    const RtfFont headerFont{hf.Name, pointsOf(hf.Height), hf.Color, (hf.Style & 2) != 0, (hf.Style & 1) != 0,
                             (hf.Style & 4) != 0};
    const std::vector<TLazyTreeColumn *> columns = exportColumns();
    const TColumnIndex mainColumn = MainColumn();

    RtfWriter rtf;
    rtf.body = "\\uc1\\trowd\\trgaph70";
    if (ColumnsUsed()) {
        int right = 0;
        for (TLazyTreeColumn *column : columns) {
            right += column->Width();
            rtf.body += "\\cellx" + QByteArray::number(twips(right));
        }
        if (OnBeforeHeaderExport)
            OnBeforeHeaderExport(this, type);
        rtf.body += "\\pard\\intbl";
        for (TLazyTreeColumn *column : columns) {
            if (OnBeforeColumnExport)
                OnBeforeColumnExport(this, type, column);
            rtf.body += alignmentWord(column->CaptionAlignment(), column->BiDiMode() != TBiDiMode::bdLeftToRight, true);
            rtf.text(column->Text(), headerFont);
            rtf.body += "\\cell";
            if (OnAfterColumnExport)
                OnAfterColumnExport(this, type, column);
        }
        rtf.body += "\\row";
        if (OnAfterHeaderExport)
            OnAfterHeaderExport(this, type);
    } else {
        rtf.body += "\\cellx" + QByteArray::number(twips(ClientWidth()));
    }

    const bool showStatic = StringTreeOptions().StringOptions().contains(TLTStringOption::toShowStaticText);
    for (PLazyNode node = exportFirst(Source); node && !OperationCancelRequested(); node = exportNext(node, Source)) {
        if (!exportNodeAllowed(type, node))
            continue;
        const int level = static_cast<int>(GetNodeLevel(node));
        for (TLazyTreeColumn *column : columns) {
            const TLSTGetCellTextEventArgs texts = exportTexts(node, column ? column->Index() : NoColumn, type);
            rtf.body += "\\pard\\intbl";
            rtf.body += column
                            ? alignmentWord(column->Alignment(), column->BiDiMode() != TBiDiMode::bdLeftToRight, false)
                            : alignmentWord(Alignment(), false, false);
            if ((!column || column->Index() == mainColumn) && level >= 1)
                rtf.body += QByteArray("\\tab").repeated(level) + ' ';
            rtf.text(texts.CellText, treeFont);
            if (showStatic && !texts.StaticText.isEmpty())
                rtf.text(QLatin1String(" ") + texts.StaticText, treeFont);
            rtf.body += "\\cell";
        }
        rtf.body += "\\row\r\n";
        if (OnAfterNodeExport)
            OnAfterNodeExport(this, type, node);
    }
    rtf.body += "\\pard\\par";
    return rtf.document();
}

} // namespace vtree
