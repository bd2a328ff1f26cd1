#include "controls/grid/base/ControlList.h"
#include "controls/grid/base/FileStringList.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace controls;

TEST(ControlList, FindsTheFirstControlOfACellAndOwnsNoControl)
{
    auto a = std::make_unique<QObject>(), b = std::make_unique<QObject>();
    {
        TControlList list;
        list.AddControl(1, 2, a.get());
        list.AddControl(3, 4, b.get());
        list.AddControl(1, 2, b.get());
        EXPECT_EQ(list.ControlIndex(1, 2), 0) << "the first of two for the cell";
        EXPECT_EQ(list.ControlIndex(3, 4), 1);
        EXPECT_EQ(list.ControlIndex(2, 1), -1);
        ASSERT_NE(list.Control(1), nullptr);
        EXPECT_EQ(list.Control(1)->Control, b.get());
        EXPECT_EQ(list.Control(3), nullptr);
        list.RemoveControl(0);
        list.RemoveControl(7);
        EXPECT_EQ(list.ControlIndex(1, 2), 1);
        EXPECT_EQ(list.Count(), 2);
        b.reset();
        EXPECT_EQ(list.Control(0)->Control, nullptr) << "a destroyed control reads as none";
    }
    EXPECT_EQ(a->parent(), nullptr) << "alive after the list is gone";
    EXPECT_FALSE(TControlList().HasHandle(a.get()));
}

TEST(FileStringList, WritePiecesMakeOneLineAndReadingStopsAtTheEnd)
{
    TFileStringList list;
    list.Write("a");
    list.Write("b");
    list.WriteLn("c");
    list.WriteLn("d");
    EXPECT_EQ(list.Strings(), (QStringList{"abc", "d"}));
    list.Reset();
    EXPECT_EQ(list.ReadLn(), "abc");
    EXPECT_FALSE(list.Eof());
    EXPECT_EQ(list.ReadLn(), "d");
    EXPECT_TRUE(list.Eof());
    EXPECT_EQ(list.ReadLn(), "") << "past the end";
    EXPECT_TRUE(list.Eof());
    list.Write("pending");
    list.Reset();
    list.WriteLn("e");
    EXPECT_EQ(list.Strings().last(), "e") << "Reset drops the pending text";
}

TEST(FileStringList, ReadsFilesAsWindowsProgramsWroteThem)
{
    const struct {
        const char *what;
        QByteArray bytes;
        QStringList lines;
        TTextFileEncoding encoding;
    } cases[] = {
        {"ANSI with CR LF", QByteArray("caf\xE9\r\n\x80 5\r\n"), {QStringLiteral("café"), QStringLiteral("€ 5")}, TTextFileEncoding::Ansi},
        {"lone CR and LF", "a\rb\nc", {"a", "b", "c"}, TTextFileEncoding::Ansi},
        {"empty lines kept", "a\r\n\r\nb\r\n", {"a", "", "b"}, TTextFileEncoding::Ansi},
        {"UTF-8 mark", QByteArray("\xEF\xBB\xBF\xE2\x82\xAC\r\n"), {QStringLiteral("€")}, TTextFileEncoding::UTF8},
        {"a second mark is text", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"), {QString(QChar(0xFEFF)) + "x"},
         TTextFileEncoding::UTF8},
        {"UTF-16 mark", QByteArray("\xFF\xFEx\0\r\0\n\0y\0", 10), {"x", "y"}, TTextFileEncoding::UTF16LE},
        {"UTF-16 big-endian", QByteArray("\xFE\xFF\0x", 4), {"x"}, TTextFileEncoding::UTF16BE},
        {"odd byte dropped", QByteArray("\xFF\xFEx\0y", 5), {"x"}, TTextFileEncoding::UTF16LE},
        {"nothing", "", {}, TTextFileEncoding::Ansi},
    };
    for (const auto &c : cases) {
        TFileStringList list;
        list.LoadFromBytes(c.bytes);
        EXPECT_EQ(list.Strings(), c.lines) << c.what;
        EXPECT_EQ(list.Encoding(), c.encoding) << c.what;
    }
}

TEST(FileStringList, SavesInItsEncodingAndLosesNoCharacter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("export.txt");
    TFileStringList list;
    list.WriteLn(QStringLiteral("café"));
    ASSERT_TRUE(list.SaveToFile(path).ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("caf\xE9\r\n"));
    file.close();

    list.WriteLn(QStringLiteral("Ωmega"));
    ASSERT_TRUE(list.SaveToFile(path).ok);
    TFileStringList back;
    ASSERT_TRUE(back.LoadFromFile(path).ok);
    EXPECT_EQ(back.Encoding(), TTextFileEncoding::UTF8) << "the ANSI code page has no omega";
    EXPECT_EQ(back.Strings(), list.Strings());

    for (const TTextFileEncoding encoding : {TTextFileEncoding::UTF16LE, TTextFileEncoding::UTF16BE}) {
        TFileStringList wide;
        wide.LoadFromBytes(encodeTextFile(QStringLiteral("Ωx\r\n"), encoding));
        TFileStringList again;
        again.LoadFromBytes(wide.SaveToBytes());
        EXPECT_EQ(again.Strings(), QStringList{QStringLiteral("Ωx")});
        EXPECT_EQ(again.Encoding(), encoding);
    }
    EXPECT_FALSE(TFileStringList().LoadFromFile(dir.filePath("missing.txt")).ok);
    EXPECT_FALSE(list.SaveToFile(dir.filePath("no/such/folder/x.txt")).ok);
}
