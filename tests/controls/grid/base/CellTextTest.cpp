#include "controls/grid/base/CellText.h"
#include "controls/grid/base/HtmlClipboard.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

QString wideOf(std::initializer_list<char16_t> units)
{
    QString text;
    for (const char16_t u : units)
        text += QChar(u);
    return text;
}

TEST(CellTextKind, TellsTheKindsApart)
{
    struct Case {
        QString text;
        bool html;
        TCellTextKind kind;
    };
    const Case cases[] = {
        {QStringLiteral("=A1+1"), false, ckFormula},
        {QStringLiteral("="), false, ckFormula},
        {QStringLiteral("{\\rtf1 x}"), true, ckRichText},
        {QStringLiteral("<b>x</b>"), true, ckHtml},
        {QStringLiteral("<B>x"), true, ckHtml},
        {QStringLiteral("<b>x"), true, ckPlain},
        {QStringLiteral("<b>x</b>"), false, ckPlain},
        {QStringLiteral("a"), true, ckPlain},
        {QString(), true, ckPlain},
        {EncodeWideCellText(QStringLiteral(u"\u20AC")), false, ckWideText},
        {EncodeWideCellText(QStringLiteral("=1")), false, ckFormula},
        {EncodeWideCellText(QStringLiteral("=")), false, ckWideText},
        {EncodeWideCellText(QStringLiteral(u"=\u20AC")), false, ckWideText},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetCellTextKind(c.text, c.html), c.kind) << c.text.toStdString();
}

TEST(WideCellText, EncodesEachUnitAsHighAndLowByte)
{
    EXPECT_EQ(EncodeWideCellText(QStringLiteral(u"\u20AC")), wideOf({u'|', u'\\', 0x20, 0xAC}));
    for (const QString &text : {QStringLiteral(u"\u20AC"), QStringLiteral(u"M\u00FCller \U0001F600"), QString(),
                                wideOf({0, 0xFFFF, 0xD800})})
        EXPECT_EQ(DecodeWideCellText(EncodeWideCellText(text)), text);
    EXPECT_EQ(DecodeWideCellText(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(DecodeWideCellText(wideOf({u'|', u'\\', 0, u'a', 0})), QStringLiteral("a"));
    EXPECT_EQ(PosInWideText(QStringLiteral("c"), QStringLiteral("abc")), 3);
    EXPECT_EQ(PosInWideText(QStringLiteral("x"), QStringLiteral("abc")), 0);
}

TEST(HtmlClipboard, OffsetsPointExactlyAtTheFragmentInUtf8Bytes)
{
    for (const QString &fragment : {QStringLiteral("0123456789"), QStringLiteral(u"<td>Gr\u00FC\u00DFe \u20AC</td>"), QString()}) {
        const QByteArray text = BuildHtmlClipboardText(fragment);
        const auto offset = [&text](const char *name) {
            const qsizetype at = text.indexOf(name) + qsizetype(qstrlen(name));
            return text.mid(at, 8).toInt();
        };
        EXPECT_EQ(offset("StartHTML:"), text.indexOf("<!DOCTYPE"));
        EXPECT_EQ(offset("EndHTML:"), text.size());
        EXPECT_EQ(offset("StartFragment:"), text.indexOf("<!--StartFragment-->") + 20);
        EXPECT_EQ(offset("EndFragment:"), text.indexOf("<!--EndFragment-->"));
        EXPECT_EQ(htmlClipboardFragment(text), fragment);
        EXPECT_TRUE(text.contains("charset=utf-8"));
    }
    const QByteArray ten = BuildHtmlClipboardText(QStringLiteral("0123456789"));
    EXPECT_TRUE(ten.startsWith("Version:1.0\r\nStartHTML:00000097\r\n"));
}

TEST(HtmlClipboard, TheReaderRefusesHeadersThatLie)
{
    const QByteArray cases[] = {
        "",
        "Version:1.0\r\n<html></html>",
        "StartFragment:00000010\r\nEndFragment:00000999\r\n<b>",
        "StartFragment:00000020\r\nEndFragment:00000010\r\n<b>xxxxxxxxxxxxxxxxxxxxxxxxxxx",
        "StartFragment:-0000001\r\nEndFragment:00000010\r\n<b>xxxxxxxxxxxxxxxx",
        "StartFragment:99999999999999\r\nEndFragment:1\r\n<b>",
    };
    for (const QByteArray &text : cases)
        EXPECT_FALSE(htmlClipboardFragment(text).has_value()) << text.constData();
}

TEST(UrlText, AnchorsTheFirstUrlOfAText)
{
    struct Case {
        const char *text;
        const char *prefix;
        bool found;
        const char *result;
    };
    const Case cases[] = {
        {"see http://x.org/a?b", "HTTP://", true, R"(see <a href="http://x.org/a">http://x.org/a</a>?b)"},
        {"go www.x.org", "WWW.", true, R"(go <a href="www.x.org">www.x.org</a>)"},
        {"<b> WWW.X.ORG", "WWW.", true, R"(&lt;b&gt; <a href="WWW.X.ORG">WWW.X.ORG</a>)"},
        {"nothing here", "HTTP://", false, "untouched"},
    };
    for (const Case &c : cases) {
        QString result = QStringLiteral("untouched");
        EXPECT_EQ(MarkupUrlMatch(QString::fromUtf8(c.text), QString::fromUtf8(c.prefix), result), c.found) << c.text;
        EXPECT_EQ(result, QString::fromUtf8(c.result)) << c.text;
    }
    EXPECT_TRUE(IsUrlText(QStringLiteral("ftp://x")));
    EXPECT_TRUE(IsUrlText(QStringLiteral("mailto:a@b")));
    EXPECT_FALSE(IsUrlText(QStringLiteral("MAILTO:a@b")));
    QString url = QStringLiteral("https://x.org/mailto:y");
    StripUrlProtocol(url);
    EXPECT_EQ(url, QStringLiteral("x.org/mailto:y"));
    url = QStringLiteral("mailto:a@b");
    StripUrlProtocol(url);
    EXPECT_EQ(url, QStringLiteral("a@b"));
}

TEST(CellText, ColoursAndBreaksForHtml)
{
    EXPECT_EQ(ColorToHexRGB(platform::RGB(0x12, 0xAB, 0x0F)), QStringLiteral("12AB0F"));
    EXPECT_EQ(ColorToHexRGB(platform::clBtnFace), QStringLiteral("0F0000"));
    EXPECT_EQ(CRToHtmlBreak(QStringLiteral("a\r\nb")), QStringLiteral("a<br>\nb"));
    EXPECT_EQ(CRToHtmlBreak(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
}

} // namespace
