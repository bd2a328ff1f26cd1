#include "TreeDataFixture.h"

#include "controls/vtree/ClipboardFormatList.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vtreetest {
namespace {

const QString NL = QStringLiteral("\r\n");

// Two meters, the first with two records: two levels, with or without columns.
class TreeExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        meter1 = tree.add(nullptr, {QStringLiteral("Meter 1"), QStringLiteral("v")});
        tree.add(meter1, {QStringLiteral("Volume"), QStringLiteral("12")});
        tree.add(meter1, {QStringLiteral("Energy"), QStringLiteral("3,5")});
        tree.add(nullptr, {QStringLiteral("Meter 2"), QString()});
        tree.SetExpanded(meter1, true);
    }

    void addColumns()
    {
        TLazyTreeColumn &name = tree.Header()->Columns().Add();
        name.SetText(QStringLiteral("Name"));
        name.SetWidth(120);
        name.SetOptions(name.Options() - TLTColumnOption::coParentColor);
        name.SetColor(0x00E0FFFF);
        TLazyTreeColumn &value = tree.Header()->Columns().Add();
        value.SetText(QStringLiteral("Value"));
        value.SetWidth(80);
        value.SetAlignment(TAlignment::taRightJustify);
        tree.Header()->SetMainColumn(0);
    }

    TextTree tree;
    PLazyNode meter1 = nullptr;
};

const QString htmlHead = QStringLiteral(
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"><style type=\"text/css\">\r\n"
    ".default{font-family: 'Verdana'; font-size: 8pt; font-style: normal; font-weight: normal; text-decoration: none; color: #000000;}\r\n"
    ".header{font-family: 'Tahoma'; font-size: 8pt; font-style: normal; font-weight: normal; text-decoration: none; color: #000000;}\r\n"
    ".noborder{border-style: none;padding-left: 4px; padding-right: 4px;}\r\n"
    ".normalborder {vertical-align: top; border-right: none; border-left:none; border-top:none; border-bottom: none;"
    "border-width: thin; border-style: dotted;padding-left: 4px; padding-right: 4px;}</style>\r\n"
    "<table class=\"default\" style=\"border-collapse: collapse;\" bgcolor=#FFFFFF  cellspacing=\"0\">\r\n");

TEST_F(TreeExportTest, HtmlWithoutColumnsIndentsChildrenAndSpansTheLevels)
{
    const QString expected =
        htmlHead +
        QStringLiteral(
            " <tr class=\"default\">\r\n <td class=\"normalborder\"  height=\"18px\" align=left colspan=\"2\">Meter 1</td> </tr>\r\n"
            " <tr class=\"default\">\r\n <td height=\"18px\" class=\"normalborder\">&nbsp;</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=left>Volume</td> </tr>\r\n"
            " <tr class=\"default\">\r\n <td height=\"18px\" class=\"normalborder\">&nbsp;</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=left>Energy</td> </tr>\r\n"
            " <tr class=\"default\">\r\n <td class=\"normalborder\"  height=\"18px\" align=left colspan=\"2\">Meter 2</td> </tr>\r\n"
            "</table>");
    EXPECT_EQ(tree.ContentToHTML(TLSTTextSourceType::tstAll), expected);
}

TEST_F(TreeExportTest, HtmlWithColumnsHasAHeaderRowAndColumnColours)
{
    addColumns();
    const QString h = QString::number(tree.Header()->Height());
    const QString face = QStringLiteral("#F0F0F0");
    const QString expected =
        htmlHead + QStringLiteral("<tr class=\"header\" style=\"padding-left: 4px; padding-right: 4px;\">\r\n") +
        QStringLiteral("<th height=\"%1px\" align=left colspan=\"2\" bgcolor=%2 width=\"120px\">Name</th>"
                       "<th height=\"%1px\" align=right bgcolor=%2 width=\"80px\">Value</th></tr>\r\n")
            .arg(h, face) +
        QStringLiteral(
            " <tr class=\"default\">\r\n <td class=\"normalborder\"  height=\"18px\" align=left colspan=\"2\" bgcolor=#FFFFE0>Meter 1</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=right>v</td> </tr>\r\n"
            " <tr class=\"default\">\r\n<td class=\"noborder\" width=\"18\" height=\"18px\" bgcolor=#FFFFE0>&nbsp;</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=left bgcolor=#FFFFE0>Volume</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=right>12</td> </tr>\r\n"
            " <tr class=\"default\">\r\n<td class=\"noborder\" width=\"18\" height=\"18px\" bgcolor=#FFFFE0>&nbsp;</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=left bgcolor=#FFFFE0>Energy</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=right>3,5</td> </tr>\r\n"
            " <tr class=\"default\">\r\n <td class=\"normalborder\"  height=\"18px\" align=left colspan=\"2\" bgcolor=#FFFFE0>Meter 2</td>"
            " <td class=\"normalborder\"  height=\"18px\" align=right></td> </tr>\r\n"
            "</table>");
    EXPECT_EQ(tree.ContentToHTML(TLSTTextSourceType::tstAll), expected);
}

TEST_F(TreeExportTest, HtmlEscapesTextsCaptionsAndFontNames)
{
    tree.cells[meter1][0] = QStringLiteral("<b>&\"x\"");
    platform::TFont font = tree.TreeFont();
    font.setName(QStringLiteral("A'<"));
    tree.SetTreeFont(font);
    const QString html = tree.ContentToHTML(TLSTTextSourceType::tstAll, QStringLiteral("a\"<caption>"));
    EXPECT_TRUE(html.contains(QStringLiteral(">&lt;b&gt;&amp;&quot;x&quot;</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral(" caption=\"a&quot;&lt;caption&gt;\" cellspacing")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-family: 'A'&lt;';")));
    EXPECT_FALSE(html.contains(QStringLiteral("<b>")));
}

TEST_F(TreeExportTest, RtfWritesEveryCodeUnitEscapedAndTheLocalesPaper)
{
    tree.cells[meter1][0] = QStringLiteral("M\u00e9\r\nX");
    const QByteArray body =
        "\\uc1\\trowd\\trgaph70\\cellx3000"
        "\\pard\\intbl\\f0\\cf1\\fs16 \\u77\\'3f\\u233\\'3f{\\par}\\u88\\'3f\\cell\\row\r\n"
        "\\pard\\intbl\\tab  \\u86\\'3f\\u111\\'3f\\u108\\'3f\\u117\\'3f\\u109\\'3f\\u101\\'3f\\cell\\row\r\n"
        "\\pard\\intbl\\tab  \\u69\\'3f\\u110\\'3f\\u101\\'3f\\u114\\'3f\\u103\\'3f\\u121\\'3f\\cell\\row\r\n"
        "\\pard\\intbl \\u77\\'3f\\u101\\'3f\\u116\\'3f\\u101\\'3f\\u114\\'3f\\u32\\'3f\\u50\\'3f\\cell\\row\r\n"
        "\\pard\\par}";
    const QByteArray fonts =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043{\\fonttbl{\\f0 Verdana;}}{\\colortbl;\\red0\\green0\\blue0;}";
    const QByteArray margins = "\\margl720\\margr720\\margt720\\margb720";
    const struct {
        QLocale locale;
        QByteArray paper;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "\\paperw16840\\paperh11907"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "\\paperw15840\\paperh12240"},
    };
    ASSERT_EQ(tree.ClientWidth(), 200);
    const QLocale before;
    for (const auto &c : cases) {
        QLocale::setDefault(c.locale);
        EXPECT_EQ(tree.ContentToRTF(TLSTTextSourceType::tstAll), fonts + c.paper + margins + body);
    }
    QLocale::setDefault(before);
}

TEST_F(TreeExportTest, RtfWithColumnsHasCellBoundsAndAHeaderRowInTheHeaderFont)
{
    addColumns();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray rtf = tree.ContentToRTF(TLSTTextSourceType::tstAll);
    QLocale::setDefault(before);
    EXPECT_EQ(
        rtf,
        QByteArray(
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043{\\fonttbl{\\f0 Tahoma;}{\\f1 Verdana;}}{\\colortbl;\\red0\\green0\\blue0;}"
            "\\paperw16840\\paperh11907\\margl720\\margr720\\margt720\\margb720"
            "\\uc1\\trowd\\trgaph70\\cellx1800\\cellx3000"
            "\\pard\\intbl\\ql\\f0\\cf1\\fs16 \\u78\\'3f\\u97\\'3f\\u109\\'3f\\u101\\'3f\\cell"
            "\\qr \\u86\\'3f\\u97\\'3f\\u108\\'3f\\u117\\'3f\\u101\\'3f\\cell\\row"
            "\\pard\\intbl\\f1 \\u77\\'3f\\u101\\'3f\\u116\\'3f\\u101\\'3f\\u114\\'3f\\u32\\'3f\\u49\\'3f\\cell"
            "\\pard\\intbl\\qr \\u118\\'3f\\cell\\row\r\n"
            "\\pard\\intbl\\tab  \\u86\\'3f\\u111\\'3f\\u108\\'3f\\u117\\'3f\\u109\\'3f\\u101\\'3f\\cell"
            "\\pard\\intbl\\qr \\u49\\'3f\\u50\\'3f\\cell\\row\r\n"
            "\\pard\\intbl\\tab  \\u69\\'3f\\u110\\'3f\\u101\\'3f\\u114\\'3f\\u103\\'3f\\u121\\'3f\\cell"
            "\\pard\\intbl\\qr \\u51\\'3f\\u44\\'3f\\u53\\'3f\\cell\\row\r\n"
            "\\pard\\intbl \\u77\\'3f\\u101\\'3f\\u116\\'3f\\u101\\'3f\\u114\\'3f\\u32\\'3f\\u50\\'3f\\cell"
            "\\pard\\intbl\\qr\\cell\\row\r\n"
            "\\pard\\par}"));
}

TEST_F(TreeExportTest, TextPadsTheMainColumnToTheDeepestLevel)
{
    EXPECT_EQ(tree.ContentToText(TLSTTextSourceType::tstAll, QChar(u'\t')),
              QStringLiteral("Meter 1\r\n\tVolume\r\n\tEnergy\r\nMeter 2\r\n"));
    addColumns();
    EXPECT_EQ(tree.ContentToText(TLSTTextSourceType::tstAll, QStringLiteral(",")),
              QStringLiteral("Name,,Value\r\nMeter 1,,v\r\n,Volume,12\r\n,Energy,\"3,5\"\r\nMeter 2,,\r\n"));
    EXPECT_EQ(tree.ContentToText(TLSTTextSourceType::tstAll, QStringLiteral(";")),
              QStringLiteral("Name;;Value\r\nMeter 1;;v\r\n;Volume;12\r\n;Energy;3,5\r\nMeter 2;;\r\n"));
}

TEST_F(TreeExportTest, TextQuotesFieldsThatWouldBreakTheLine)
{
    const struct {
        QString text;
        QString field;
    } cases[] = {
        {QStringLiteral("plain"), QStringLiteral("plain")},
        {QStringLiteral("a\tb"), QStringLiteral("\"a\tb\"")},
        {QStringLiteral("say \"hi\""), QStringLiteral("\"say \"\"hi\"\"\"")},
        {QStringLiteral("two\r\nlines"), QStringLiteral("\"two\r\nlines\"")},
        {QStringLiteral("line\nfeed"), QStringLiteral("\"line\nfeed\"")},
    };
    for (const auto &c : cases) {
        tree.cells[meter1][0] = c.text;
        EXPECT_TRUE(tree.ContentToText(TLSTTextSourceType::tstAll, QStringLiteral("\t")).startsWith(c.field + NL))
            << c.text.toStdString();
    }
}

TEST_F(TreeExportTest, SourcesAndTheExportModeChooseTheNodes)
{
    tree.SetSelected(meter1, true);
    EXPECT_EQ(tree.ContentToText(TLSTTextSourceType::tstSelected, QStringLiteral("\t")), QStringLiteral("Meter 1\r\n"));
    tree.SetExpanded(meter1, false);
    EXPECT_EQ(tree.ContentToText(TLSTTextSourceType::tstVisible, QStringLiteral("\t")),
              QStringLiteral("Meter 1\r\nMeter 2\r\n"));
    tree.TreeOptions().SetExportMode(TLTExportMode::emSelected);
    EXPECT_EQ(tree.ContentToHTML(TLSTTextSourceType::tstAll).count(QStringLiteral("<tr class=\"default\">")), 1);
}

TEST_F(TreeExportTest, ACancelledExportStopsBeforeTheNextNode)
{
    int exported = 0;
    tree.OnAfterNodeExport = [&](TreeSender sender, TLTExportType, PLazyNode) {
        if (++exported == 2)
            sender->CancelOperation();
        return true;
    };
    const QString html = tree.ContentToHTML(TLSTTextSourceType::tstAll);
    EXPECT_EQ(exported, 2);
    EXPECT_TRUE(html.endsWith(QStringLiteral("Volume</td> </tr>\r\n</table>")));
}

TEST_F(TreeExportTest, ClipboardHtmlIsWrappedWithOffsetsThatLocateTheFragment)
{
    RegisterTreeClipboardFormats();
    const std::uint32_t html = TClipboardFormatList::FindFormat(QStringLiteral("HTML Format"))->FormatEtc.Format;
    const QByteArray bytes = tree.ContentToClipboard(html, TLSTTextSourceType::tstAll);
    const QByteArray fragment = tree.ContentToHTML(TLSTTextSourceType::tstAll).toUtf8();
    const qsizetype n = fragment.size();
    const QByteArray header =
        "Version:1.0\r\nStartHTML:00000097\r\nEndHTML:" + QByteArray::number(301 + n).rightJustified(8, '0') +
        "\r\nStartFragment:00000269\r\nEndFragment:" + QByteArray::number(269 + n).rightJustified(8, '0') + "\r\n";
    ASSERT_TRUE(bytes.startsWith(header));
    EXPECT_EQ(bytes.size(), 301 + n + 1);
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_TRUE(
        bytes.mid(97).startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><html><head>"));
    EXPECT_EQ(bytes.mid(269, n), fragment);
    EXPECT_EQ(bytes.mid(269 + n), QByteArray("<!--EndFragment--></body></html>", 33));
}

TEST_F(TreeExportTest, ClipboardTextFormatsEndInTheirTerminator)
{
    RegisterTreeClipboardFormats();
    const QString text = QStringLiteral("Meter 1\r\n\tVolume\r\n\tEnergy\r\nMeter 2\r\n");
    EXPECT_EQ(tree.ContentToClipboard(CF_TEXT, TLSTTextSourceType::tstAll), text.toUtf8() + QByteArray(1, '\0'));
    const QByteArray unicode = tree.ContentToClipboard(CF_UNICODETEXT, TLSTTextSourceType::tstAll);
    EXPECT_EQ(unicode.size(), (text.size() + 1) * 2);
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t *>(unicode.constData())), text);
    const std::uint32_t rtf = TClipboardFormatList::FindFormat(QStringLiteral("Rich Text Format"))->FormatEtc.Format;
    EXPECT_EQ(tree.ContentToClipboard(rtf, TLSTTextSourceType::tstAll),
              tree.ContentToRTF(TLSTTextSourceType::tstAll) + QByteArray(1, '\0'));
    EXPECT_TRUE(tree.ContentToClipboard(2, TLSTTextSourceType::tstAll).isEmpty());
}

TEST_F(TreeExportTest, CsvFileHoldsTheTopLevelNodesQuotedInUtf8)
{
    addColumns();
    tree.cells[meter1][0] = QStringLiteral("M\u00e9ter \"1\"");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meters.csv"));
    QString error;
    ASSERT_TRUE(tree.SaveToCSVFile(path, true, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              QByteArray("\"Name\",\"Value\"\r\n\"M\xc3\xa9ter \"\"1\"\"\",\"v\"\r\n\"Meter 2\",\" \"\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("meters.csv")});
}

TEST_F(TreeExportTest, CsvFileReportsWhatItCouldNotWrite)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(tree.SaveToCSVFile(QString(), false, &error));
    error.clear();
    EXPECT_FALSE(tree.SaveToCSVFile(dir.filePath(QStringLiteral("missing/meters.csv")), false, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace vtreetest
