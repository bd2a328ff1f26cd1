#include "controls/grid/model/core/RtfWriter.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TRichText runs(std::initializer_list<TRichRun> list)
{
    TRichText t;
    t.runs.assign(list.begin(), list.end());
    return t;
}

TRichCharFormat format(auto &&change)
{
    TRichCharFormat f;
    change(f);
    return f;
}

void expectSameRuns(const TRichText &a, const TRichText &b, const QString &rtf)
{
    ASSERT_EQ(a.runs.size(), b.runs.size()) << rtf.toStdString();
    for (std::size_t i = 0; i < a.runs.size(); ++i) {
        EXPECT_EQ(a.runs[i].text, b.runs[i].text) << i << ": " << rtf.toStdString();
        EXPECT_TRUE(a.runs[i].format == b.runs[i].format) << i << ": " << rtf.toStdString();
    }
}

TEST(RtfWriter, RunsReadBackAsWritten)
{
    const TRichText cases[] = {
        runs({}),
        runs({{QStringLiteral("plain"), {}}}),
        runs({{QStringLiteral("a"), {}},
              {QStringLiteral("bold"), format([](auto &f) { f.bold = true; })},
              {QStringLiteral("all"), format([](auto &f) {
                   f.bold = f.italic = f.underline = f.strikeOut = true;
                   f.halfPoints = 28;
               })}}),
        runs({{QStringLiteral("red"), format([](auto &f) { f.color = platform::RGB(255, 0, 0); })},
              {QStringLiteral("black"), format([](auto &f) { f.color = platform::RGB(0, 0, 0); })},
              {QStringLiteral("red again"), format([](auto &f) {
                   f.color = platform::RGB(255, 0, 0);
                   f.italic = true;
               })}}),
        runs({{QStringLiteral("x"), {}},
              {QStringLiteral("2"), format([](auto &f) { f.offsetTwips = 40; })},
              {QStringLiteral("i"), format([](auto &f) { f.offsetTwips = -40; })}}),
        runs({{QStringLiteral("Arial"), format([](auto &f) { f.fontName = QStringLiteral("Arial"); })},
              {QStringLiteral("odd font"), format([](auto &f) { f.fontName = QStringLiteral(" a;b{c}\\d \u00e9"); })},
              {QStringLiteral("Arial"), format([](auto &f) {
                   f.fontName = QStringLiteral("Arial");
                   f.bold = true;
               })}}),
        runs({{QString::fromUtf8("caf\u00e9 \u20ac \u4e2d {}\\\t\r\nnext\rlone\nlf\x01"), {}}}),
        runs({{QString(QChar(0xD800)) + QChar(0) + QChar(0x7F) + QChar(0xFFFF), {}}}),
        runs({{QStringLiteral(" leading blank and 12 digits"), format([](auto &f) { f.halfPoints = 20; })}}),
    };
    for (const TRichText &t : cases) {
        const QString rtf = writeRichText(t);
        EXPECT_TRUE(isRichText(rtf));
        for (QChar c : rtf)
            ASSERT_LT(c.unicode(), 0x80) << "one byte a character";
        expectSameRuns(readRichText(rtf), t, rtf);
    }
}

TEST(RtfWriter, TablesHoldEachUsedFontAndColourOnce)
{
    const TRichText t = runs({{QStringLiteral("a"), format([](auto &f) {
                                  f.fontName = QStringLiteral("Tahoma");
                                  f.color = platform::RGB(1, 2, 3);
                              })},
                              {QStringLiteral("b"), format([](auto &f) {
                                  f.fontName = QStringLiteral("Tahoma");
                                  f.color = platform::RGB(1, 2, 3);
                                  f.bold = true;
                              })}});
    const QString rtf = writeRichText(t);
    EXPECT_EQ(rtf.count(QStringLiteral("Tahoma;")), 1);
    EXPECT_EQ(rtf.count(QStringLiteral("\\red1\\green2\\blue3;")), 1);
    EXPECT_TRUE(rtf.contains(QStringLiteral("{\\colortbl ;\\red1")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("{\\f0\\b\\cf1 b}")));
}

TEST(RtfWriter, OffsetsAreFortyTwipsAsHalfPoints)
{
    EXPECT_TRUE(writeRichText(runs({{QStringLiteral("s"), format([](auto &f) { f.offsetTwips = 40; })}}))
                    .contains(QStringLiteral("\\up4 s")));
    EXPECT_TRUE(writeRichText(runs({{QStringLiteral("s"), format([](auto &f) { f.offsetTwips = -40; })}}))
                    .contains(QStringLiteral("\\dn4 s")));
}

TEST(RichTextFonts, FontTableNamesAndOffsetsRead)
{
    const TRichText t = readRichText(QStringLiteral(
        R"({\rtf1{\fonttbl{\f0\fswiss\fcharset0{\*\panose 020b}Arial;}{\f1 Courier New;}}\f1 a\f0\up4 b\f7\dn6 c})"));
    ASSERT_EQ(t.runs.size(), 3u);
    EXPECT_EQ(t.runs[0].format.fontName, "Courier New");
    EXPECT_EQ(t.runs[1].format.fontName, "Arial");
    EXPECT_EQ(t.runs[1].format.offsetTwips, 40);
    EXPECT_EQ(t.runs[2].format.fontName, "") << "an index the table lacks";
    EXPECT_EQ(t.runs[2].format.offsetTwips, -60);
    EXPECT_EQ(t.plainText(), "abc");
}

} // namespace
