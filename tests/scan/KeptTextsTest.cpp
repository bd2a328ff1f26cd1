// Kept texts are found again by exactly the key they were kept under, read
// as the text that was kept, and once the room is used up the decoder's
// texts are built as usual.
#include "QStringPrinter.h"
#include "scan/KeptTexts.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace scan;

namespace {

KeptTextKey keyOf(std::uint8_t kind, std::initializer_list<std::uint8_t> bytes)
{
    KeptTextKey key;
    key.kind = kind;
    for (const std::uint8_t b : bytes)
        key.add(b);
    return key;
}

} // namespace

TEST(KeptTexts, FoundByTheirWholeKeyOnly)
{
    const KeptTextKey key = keyOf(200, {0x12, 0x34});
    EXPECT_TRUE(findKeptText(key).isNull());
    EXPECT_EQ(keepText(key, u"12/34/56"), QStringLiteral("12/34/56"));
    EXPECT_EQ(findKeptText(key), QStringLiteral("12/34/56"));
    // Another kind, another byte, one byte more or less: not the same text.
    for (const KeptTextKey &other : {keyOf(201, {0x12, 0x34}), keyOf(200, {0x12, 0x35}), keyOf(200, {0x12}),
                                     keyOf(200, {0x12, 0x34, 0x00})})
        EXPECT_TRUE(findKeptText(other).isNull());
    // An empty text is kept as an empty text, not as a null one.
    const KeptTextKey empty = keyOf(202, {});
    EXPECT_TRUE(keepText(empty, u"").isEmpty());
    EXPECT_FALSE(findKeptText(empty).isNull());
}

TEST(KeptTexts, CopiesBehaveAsOwnStrings)
{
    TextWriter writer;
    writer.append(QStringView(u"Volume m3 per hour"));
    QString field;
    finishKept(writer, keyOf(203, {1, 2, 3}), field);
    EXPECT_TRUE(writer.current().isEmpty());
    field.replace(0, 6, QStringLiteral("Energy"));
    EXPECT_EQ(field, QStringLiteral("Energy m3 per hour"));
    EXPECT_EQ(findKeptText(keyOf(203, {1, 2, 3})), QStringLiteral("Volume m3 per hour"));
}

TEST(KeptTexts, TextsAreBuiltAsUsualOnceTheRoomIsUsedUp)
{
    const QString long1000(1000, u'x');
    int kept = 0;
    for (int i = 0; i < 400; ++i)
        kept += keepText(keyOf(204, {std::uint8_t(i), std::uint8_t(i >> 8)}), long1000).isNull() ? 0 : 1;
    EXPECT_GT(kept, 100);
    EXPECT_LT(kept, 400);
    EXPECT_TRUE(keepText(keyOf(205, {}), long1000).isNull());
    TextWriter writer;
    writer.append(long1000);
    QString field;
    finishKept(writer, keyOf(205, {1}), field);
    EXPECT_EQ(field, long1000);
    EXPECT_TRUE(findKeptText(keyOf(205, {1})).isNull());
}

TEST(KeptTexts, KeptAndFoundFromSeveralThreads)
{
    auto work = [](std::uint8_t kind) {
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < 300; ++i) {
                const KeptTextKey key = keyOf(kind, {std::uint8_t(i), std::uint8_t(i >> 8)});
                const QString text = QString::number(i);
                QString found = findKeptText(key);
                if (found.isNull())
                    found = keepText(key, text);
                ASSERT_EQ(found, text);
            }
        }
    };
    std::vector<std::thread> threads;
    for (std::uint8_t kind = 210; kind < 214; ++kind)
        threads.emplace_back(work, kind % 2 ? 210 : 211);
    for (auto &t : threads)
        t.join();
}
