// The print settings' INI section: what an empty section gives, the keys in
// their order and forms, and the checks on every value read.
#include "controls/grid/model/core/PrintSettingsIni.h"

#include <gtest/gtest.h>

using namespace controls;
using platform::TMemIniFile;

namespace {

const QString kSection = QStringLiteral("Print");

TMemIniFile iniOf(const char *text) { return TMemIniFile::fromBytes(QByteArray(text)); }

struct Loaded {
    TPrintLayoutSettings settings;
    TPrintIniFonts fonts;
};

Loaded load(const TMemIniFile &ini, TPrintLayoutSettings settings = {})
{
    Loaded l{settings, {}};
    ReadPrintSettingsIni(ini, kSection, l.settings, l.fonts);
    return l;
}

} // namespace

TEST(PrintSettingsIni, AnEmptySectionGivesTheFilesDefaults)
{
    TPrintLayoutSettings before;
    before.UseDisplayFont = true;
    before.Borders = pbDouble;
    before.TitleLines = {QStringLiteral("old")};
    const Loaded l = load(iniOf("[Print]\n"), before);
    EXPECT_EQ(l.settings.ColumnSpacing, 20);
    EXPECT_EQ(l.settings.RowSpacing, 20);
    EXPECT_EQ(l.settings.TitleSpacing, 20);
    EXPECT_TRUE(l.settings.Centered);
    for (bool flag : {l.settings.NoAutoSize, l.settings.UseFixedHeight, l.settings.UseFixedWidth,
                      l.settings.RepeatFixedRows, l.settings.RepeatFixedCols, l.settings.UseDisplayFont,
                      l.settings.UseDefaultOrientation, l.settings.PrintGraphics})
        EXPECT_FALSE(flag);
    EXPECT_EQ(l.settings.HeaderSize, 100);
    EXPECT_EQ(l.settings.FooterSize, 100);
    EXPECT_EQ(l.settings.LeftSize, 100);
    EXPECT_EQ(l.settings.RightSize, 100);
    EXPECT_EQ(l.settings.Borders, pbNoborder);
    EXPECT_TRUE(l.settings.TitleLines.isEmpty());
    EXPECT_EQ(l.settings.PageNumSep, QString());
    for (const TPrintFontValues &f : {l.fonts.Font, l.fonts.HeaderFont, l.fonts.FooterFont}) {
        EXPECT_EQ(f.Name, QStringLiteral("Arial"));
        EXPECT_EQ(f.Size, 10);
        EXPECT_EQ(f.Style, 0);
        EXPECT_EQ(f.Color, 0);
    }
}

TEST(PrintSettingsIni, WritesTheKeysInOrderInTheirForms)
{
    TPrintLayoutSettings s;
    s.Borders = pbAround;
    s.BorderColor = 0x123456;
    s.Date = ppTopLeft;
    s.PageNr = ppBottomRight;
    s.FitToPage = fpShrink;
    s.Orientation = poLandscape;
    s.TitleLines = {QStringLiteral("first"), QStringLiteral("second")};
    TPrintIniFonts fonts;
    fonts.HeaderFont.Style = kPrintFontBold | kPrintFontUnderline;
    TMemIniFile ini;
    WritePrintSettingsIni(ini, kSection, s, fonts);
    const QStringList expected = {
        "ColumnSpacing", "RowSpacing", "TitleSpacing", "FixedHeight", "FixedWidth", "Centered", "NoAutoSize",
        "UseFixedHeight", "UseFixedWidth", "RepeatFixedRows", "RepeatFixedCols", "UseDisplFont",
        "UseDefOrientation", "Borders", "BorderColor", "BorderStyle", "Date", "PageNr", "Title", "Time",
        "DateFormat", "TitleText", "FooterSize", "HeaderSize", "LeftSize", "RightSize", "FitToPage", "FontName",
        "FontSize", "FontStyle", "FontColor", "HeaderFontName", "HeaderFontSize", "HeaderFontStyle",
        "HeaderFontColor", "FooterFontName", "FooterFontSize", "FooterFontStyle", "FooterFontColor", "PageNumSep",
        "PageSuffix", "PagePrefix", "Orientation", "TitleLines", "PrintGraphics"};
    EXPECT_EQ(ini.ReadSection(kSection), expected);
    struct Case {
        const char *key, *value;
    };
    for (const Case c : {Case{"Centered", "Y"}, Case{"NoAutoSize", "N"}, Case{"UseDisplFont", "Y"},
                         Case{"Borders", "5"}, Case{"BorderColor", "1193046"}, Case{"Date", "1"},
                         Case{"PageNr", "5"}, Case{"FitToPage", "2"}, Case{"Orientation", "1"},
                         Case{"HeaderFontStyle", "5"}, Case{"TitleLines", "first\\nsecond\\n"},
                         Case{"DateFormat", "dd/mm/yyyy"}, Case{"PageNumSep", "/"}})
        EXPECT_EQ(ini.ReadString(kSection, QLatin1String(c.key), QString()), QLatin1String(c.value)) << c.key;
}

TEST(PrintSettingsIni, SavedSettingsLoadBackTheSame)
{
    TPrintLayoutSettings s;
    s.ColumnSpacing = 7;
    s.RowSpacing = 0;
    s.Centered = false;
    s.RepeatFixedRows = true;
    s.UseDisplayFont = false;
    s.Borders = pbAroundHorizontal;
    s.BorderStyle = 2;
    s.BorderColor = platform::clNone;
    s.Title = ppTopCenter;
    s.Time = ppBottomLeft;
    s.TitleText = QStringLiteral("Meters");
    s.TitleLines = {QStringLiteral("<b>a</b>"), QString(), QStringLiteral("c")};
    s.PagePrefix = QStringLiteral("Page");
    s.PageSuffix = QStringLiteral("end");
    s.PageNumSep = QStringLiteral(" of ");
    s.FitToPage = fpCustom;
    s.PrintGraphics = true;
    TPrintIniFonts fonts;
    fonts.Font = {QStringLiteral("Courier New"), 12, kPrintFontItalic | kPrintFontStrikeOut, 0xFF};
    TMemIniFile ini;
    WritePrintSettingsIni(ini, kSection, s, fonts);
    const Loaded l = load(TMemIniFile::fromBytes(ini.toBytes()));
    TPrintLayoutSettings expected = s;
    expected.DateFormat = s.DateFormat;
    EXPECT_EQ(l.settings.ColumnSpacing, 7);
    EXPECT_EQ(l.settings.RowSpacing, 0);
    EXPECT_FALSE(l.settings.Centered);
    EXPECT_TRUE(l.settings.RepeatFixedRows);
    EXPECT_FALSE(l.settings.UseDisplayFont);
    EXPECT_EQ(l.settings.Borders, pbAroundHorizontal);
    EXPECT_EQ(l.settings.BorderStyle, 2);
    EXPECT_EQ(l.settings.BorderColor, platform::clNone);
    EXPECT_EQ(l.settings.Title, ppTopCenter);
    EXPECT_EQ(l.settings.Time, ppBottomLeft);
    EXPECT_EQ(l.settings.TitleText, s.TitleText);
    EXPECT_EQ(l.settings.TitleLines, s.TitleLines) << "an empty line between two survives";
    EXPECT_EQ(l.settings.PagePrefix, s.PagePrefix);
    EXPECT_EQ(l.settings.PageSuffix, s.PageSuffix);
    EXPECT_EQ(l.settings.PageNumSep, s.PageNumSep) << "blanks at the ends are kept";
    EXPECT_EQ(l.settings.FitToPage, fpCustom);
    EXPECT_TRUE(l.settings.PrintGraphics);
    EXPECT_EQ(l.fonts.Font, fonts.Font);
    EXPECT_EQ(l.fonts.HeaderFont, TPrintFontValues{});
}

TEST(PrintSettingsIni, OnlyExactlyYIsTrue)
{
    struct Case {
        const char *value;
        bool expected;
    };
    for (const Case c : {Case{"Y", true}, Case{"y", false}, Case{"Yes", false}, Case{"1", false}, Case{"N", false},
                         Case{"", false}}) {
        const QByteArray text = QByteArray("[Print]\nCentered=") + c.value + "\nNoAutoSize=" + c.value + "\n";
        const Loaded l = load(TMemIniFile::fromBytes(text));
        EXPECT_EQ(l.settings.Centered, c.expected) << c.value;
        EXPECT_EQ(l.settings.NoAutoSize, c.expected) << c.value;
    }
}

TEST(PrintSettingsIni, OrdinalsOutOfRangeChangeNothingAndPositionsBecomeNone)
{
    TPrintLayoutSettings before;
    before.Borders = pbDouble;
    before.BorderStyle = 3;
    before.FitToPage = fpGrow;
    before.Orientation = poLandscape;
    before.Date = ppTopRight;
    struct Case {
        const char *text;
        TPrintBorders borders;
        int style;
        TFitToPage fit;
        TPrintOrientation orientation;
        TPrintPosition date;
    };
    for (const Case c :
         {Case{"Borders=9\nBorderStyle=7\nFitToPage=5\nOrientation=2\nDate=7\n", pbDouble, 3, fpGrow, poLandscape,
               ppNone},
          Case{"Borders=-1\nBorderStyle=-1\nFitToPage=-1\nOrientation=-1\nDate=-1\n", pbDouble, 3, fpGrow,
               poLandscape, ppNone},
          Case{"Borders=x\nBorderStyle=\nFitToPage=2x\nOrientation=0\nDate=0\n", pbNoborder, 0, fpNever, poPortrait,
               ppNone},
          Case{"Borders=8\nBorderStyle=6\nFitToPage=4\nOrientation=1\nDate=6\n", pbCustom, 6, fpCustom, poLandscape,
               ppBottomCenter}}) {
        const Loaded l = load(TMemIniFile::fromBytes(QByteArray("[Print]\n") + c.text), before);
        EXPECT_EQ(l.settings.Borders, c.borders) << c.text;
        EXPECT_EQ(l.settings.BorderStyle, c.style) << c.text;
        EXPECT_EQ(l.settings.FitToPage, c.fit) << c.text;
        EXPECT_EQ(l.settings.Orientation, c.orientation) << c.text;
        EXPECT_EQ(l.settings.Date, c.date) << c.text;
    }
}

TEST(PrintSettingsIni, StylesAddToTheFontsAndSizesAreChecked)
{
    TPrintIniFonts fonts;
    fonts.Font.Style = kPrintFontBold;
    fonts.Font.Size = 14;
    TPrintLayoutSettings s;
    ReadPrintSettingsIni(iniOf("[Print]\nFontStyle=6\nFontSize=99999\nColumnSpacing=2147483647\nHeaderFontStyle=-1\n"
                               "HeaderFontSize=0\n"),
                         kSection, s, fonts);
    EXPECT_EQ(fonts.Font.Style, kPrintFontBold | kPrintFontItalic | kPrintFontUnderline);
    EXPECT_EQ(fonts.Font.Size, 14) << "a size no font has leaves the font's";
    EXPECT_EQ(fonts.HeaderFont.Style, 15) << "only the four style bits";
    EXPECT_EQ(fonts.HeaderFont.Size, 10);
    EXPECT_EQ(s.ColumnSpacing, 0) << "a spacing no page has leaves the setting";
}

TEST(PrintSettingsIni, TitleLinesKeepTheirBreaksBothWays)
{
    struct Case {
        const char *stored;
        QStringList lines;
    };
    for (const Case &c : {Case{"", {}}, Case{"one", {"one"}}, Case{"one\\ntwo\\n", {"one", "two"}},
                          Case{"one\\n\\nthree", {"one", "", "three"}}}) {
        const Loaded l = load(TMemIniFile::fromBytes(QByteArray("[Print]\nTitleLines=") + c.stored + "\n"));
        EXPECT_EQ(l.settings.TitleLines, c.lines) << c.stored;
    }
}
