// A telegram's texts share one block; each must behave as any QString does,
// whatever order they go in and on whichever thread. The sanitizers watch
// every block being freed exactly once.
#include "QStringPrinter.h"
#include "scan/TextBlock.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace scan;

namespace {

void write(TextBlock &block, const char *text, QString &field)
{
    block.append(QString::fromLatin1(text));
    block.finish(field);
}

} // namespace

TEST(TextBlock, TextsShareOneBlockAndBehaveAsOwnStrings)
{
    QString first;
    QString second;
    QString empty;
    QString shared1;
    QString shared2;
    {
        TextBlock block;
        block.open(64);
        write(block, "10270000", first);
        write(block, "Volume m3", second);
        block.finish(empty);
        block.append(u'7');
        const TextBlock::Text seven = block.finish();
        block.assign(shared1, seven);
        block.assign(shared2, seven);
    }
    EXPECT_EQ(first, QStringLiteral("10270000"));
    EXPECT_EQ(second, QStringLiteral("Volume m3"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(shared1, QStringLiteral("7"));
    EXPECT_EQ(shared2, QStringLiteral("7"));
    // Each text ends where its characters end, for callers of utf16().
    for (const QString *text : {&first, &second, &empty, &shared1})
        EXPECT_EQ(text->utf16()[text->size()], 0);

    // Changing one text leaves the others as they were.
    first += QStringLiteral(" and more");
    second[0] = QLatin1Char('v');
    EXPECT_EQ(first, QStringLiteral("10270000 and more"));
    EXPECT_EQ(second, QStringLiteral("volume m3"));
    EXPECT_EQ(shared1, QStringLiteral("7"));

    // A copy keeps the block alive after every other text has gone.
    QString survivor = shared2;
    first = second = empty = shared1 = shared2 = QString();
    EXPECT_EQ(survivor, QStringLiteral("7"));
    survivor.append(QStringLiteral("77"));
    EXPECT_EQ(survivor, QStringLiteral("777"));
}

TEST(TextBlock, TextsThatOutgrowTheBlockGoOnInAnother)
{
    std::vector<QString> texts(40);
    QString stamp;
    {
        TextBlock block;
        block.open(8);
        block.append(QStringLiteral("05.11.24"));
        const TextBlock::Text date = block.finish();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            // Half a text before the block fills: the part written moves on.
            block.append(QStringLiteral("text "));
            block.append(QString::number(i));
            block.finish(texts[i]);
        }
        // A text of the first block, given out after it filled up.
        block.assign(stamp, date);
        block.append(QStringLiteral("written, never given out"));
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i], QStringLiteral("text %1").arg(i));
    EXPECT_EQ(stamp, QStringLiteral("05.11.24"));
}

TEST(TextBlock, BlockWithoutTextsIsFreedAtClose)
{
    TextBlock block;
    block.open(100);
    block.append(QStringLiteral("abandoned"));
    block.close();
    block.close();
    QString later;
    block.append(QStringLiteral("after close"));
    block.finish(later);
    block.close();
    EXPECT_EQ(later, QStringLiteral("after close"));
}

TEST(TextBlock, TextsLetGoOnOtherThreads)
{
    std::vector<QString> texts(200);
    {
        TextBlock block;
        block.open(16);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            block.append(QString::number(i));
            block.finish(texts[i]);
        }
    }
    std::vector<QString> half(texts.begin(), texts.begin() + 100);
    std::thread other([moved = std::move(half)]() mutable { moved.clear(); });
    texts.erase(texts.begin(), texts.begin() + 100);
    EXPECT_EQ(texts.front(), QStringLiteral("100"));
    texts.clear();
    other.join();
}
