// A telegram's texts are written one after another through one writer; each
// must come out as a QString of its own, whatever its length and whatever
// happens to the others.
#include "QStringPrinter.h"
#include "scan/TextWriter.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace scan;

namespace {

void write(TextWriter &writer, const char *text, QString &field)
{
    writer.append(QString::fromLatin1(text));
    writer.finish(field);
}

} // namespace

TEST(TextWriter, TextsComeOutAsOwnStrings)
{
    QString first;
    QString second;
    QString empty;
    QString seven;
    {
        TextWriter writer;
        write(writer, "10270000", first);
        write(writer, "Volume m3", second);
        writer.finish(empty);
        writer.append(u'7');
        EXPECT_EQ(writer.current(), QStringLiteral("7"));
        seven = writer.take();
        EXPECT_TRUE(writer.current().isEmpty());
    }
    EXPECT_EQ(first, QStringLiteral("10270000"));
    EXPECT_EQ(second, QStringLiteral("Volume m3"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(seven, QStringLiteral("7"));
    // Each text ends where its characters end, for callers of utf16().
    for (const QString *text : {&first, &second, &empty, &seven})
        EXPECT_EQ(text->utf16()[text->size()], 0);

    // Changing one text leaves the others as they were.
    first += QStringLiteral(" and more");
    second[0] = QLatin1Char('v');
    EXPECT_EQ(first, QStringLiteral("10270000 and more"));
    EXPECT_EQ(second, QStringLiteral("volume m3"));
    EXPECT_EQ(seven, QStringLiteral("7"));

    // A copy lives on after every other text has gone.
    QString survivor = seven;
    first = second = empty = seven = QString();
    EXPECT_EQ(survivor, QStringLiteral("7"));
    survivor.append(QStringLiteral("77"));
    EXPECT_EQ(survivor, QStringLiteral("777"));
}

TEST(TextWriter, TextsLongerThanTheInlineRoomAndShortOnesAfterThem)
{
    TextWriter writer;
    QString longText;
    QString expected;
    // Half a text before the room runs out: the part written moves on.
    for (int i = 0; i < 200; ++i) {
        const QString piece = QStringLiteral("text %1 ").arg(i);
        writer.append(piece);
        expected += piece;
    }
    writer.finish(longText);
    EXPECT_EQ(longText, expected);
    EXPECT_EQ(longText.utf16()[longText.size()], 0);

    QString shortText;
    write(writer, "05.11.24", shortText);
    EXPECT_EQ(shortText, QStringLiteral("05.11.24"));
    char16_t *room = writer.extend(3);
    room[0] = u'a';
    room[1] = u'b';
    room[2] = u'c';
    writer.appendLatin1("\xE9", 1);
    EXPECT_EQ(writer.take(), QStringLiteral("abc\u00E9"));
}

TEST(TextWriter, TextsLetGoOnOtherThreads)
{
    std::vector<QString> texts(200);
    {
        TextWriter writer;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            writer.append(QString::number(i));
            writer.finish(texts[i]);
        }
    }
    std::vector<QString> half(texts.begin(), texts.begin() + 100);
    std::thread other([moved = std::move(half)]() mutable { moved.clear(); });
    texts.erase(texts.begin(), texts.begin() + 100);
    EXPECT_EQ(texts.front(), QStringLiteral("100"));
    texts.clear();
    other.join();
}
