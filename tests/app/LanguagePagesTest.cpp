#include "app/LanguagePages.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LanguagePagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char *name : {"Zulu", "English", "deutsch", "Polski", "Italiano", "Cesky", "Espanol"})
            create(QString::fromLatin1(name) + ".lng");
        create("English.bmp");
        create("DefaultFlag.bmp");
        // Not language files of ours.
        create("Readme.txt");
        create("Old.LNG");
        create("Italiano.lng.bak");
        QDir(folder.path()).mkdir("Folder.lng");
    }

    void create(const QString &name) { testsupport::writeFile(path(name), "STR 0 = x\r\n"); }
    QString path(const QString &name) const { return folder.filePath(name); }

    static QStringList names(const app::LanguagePage &page)
    {
        QStringList list;
        for (const app::LanguageSlot &slot : page.languages)
            list << slot.name;
        return list;
    }

    QTemporaryDir folder;
    app::LanguagePages pages;
};

TEST_F(LanguagePagesTest, SevenFilesMakeTwoPages)
{
    pages.load(folder.path());
    ASSERT_EQ(pages.fileCount(), 7);

    app::LanguagePage page = pages.page();
    EXPECT_EQ(names(page), QStringList({"Cesky", "deutsch", "English", "Espanol", "Italiano", "Polski"}));
    EXPECT_EQ(page.page, 1);
    EXPECT_EQ(page.pageCount, 2);
    EXPECT_FALSE(page.previousVisible);
    EXPECT_TRUE(page.nextVisible);
    EXPECT_EQ(app::pageCounterText("Page ", page.page, " / ", page.pageCount), "Page 1 / 2");
    EXPECT_EQ(pages.languageAt(3), "English");
    EXPECT_EQ(pages.languageAt(6), "Polski");

    pages.next();
    page = pages.page();
    EXPECT_EQ(names(page), QStringList({"Zulu"}));
    EXPECT_EQ(page.page, 2);
    EXPECT_TRUE(page.previousVisible);
    EXPECT_FALSE(page.nextVisible);
    EXPECT_EQ(pages.languageAt(1), "Zulu");
    EXPECT_EQ(pages.languageAt(2), "");

    pages.next(); // no third page
    EXPECT_EQ(pages.currentPage(), 2);
    pages.previous();
    pages.previous(); // no page 0
    EXPECT_EQ(pages.currentPage(), 1);
    EXPECT_EQ(pages.languageAt(0), "");
    EXPECT_EQ(pages.languageAt(7), "");
}

TEST_F(LanguagePagesTest, FlagFallsBackToTheDefaultThenToNone)
{
    pages.load(folder.path());
    app::LanguagePage page = pages.page();
    EXPECT_EQ(page.languages.at(2).flagPath, path("English.bmp"));
    EXPECT_EQ(page.languages.at(0).flagPath, path("DefaultFlag.bmp"));

    ASSERT_TRUE(QFile::remove(path("DefaultFlag.bmp")));
    page = pages.page();
    EXPECT_EQ(page.languages.at(2).flagPath, path("English.bmp"));
    EXPECT_EQ(page.languages.at(0).flagPath, "");
    EXPECT_EQ(page.languages.at(0).name, "Cesky"); // the label stays
}

TEST_F(LanguagePagesTest, ReloadingStartsAgainAtPageOne)
{
    pages.load(folder.path());
    pages.next();
    create("Aragones.lng");
    pages.load(folder.path());
    EXPECT_EQ(pages.currentPage(), 1);
    EXPECT_EQ(pages.fileCount(), 8);
    EXPECT_EQ(pages.languageAt(1), "Aragones");
}

TEST(LanguagePages, NoLanguageFiles)
{
    QTemporaryDir empty;
    for (const QString &dir : {empty.path(), empty.filePath("missing")}) {
        app::LanguagePages pages;
        pages.load(dir);
        const app::LanguagePage page = pages.page();
        EXPECT_TRUE(page.languages.empty());
        EXPECT_EQ(app::pageCounterText("Page ", page.page, " / ", page.pageCount), "Page 1 / 0");
        EXPECT_FALSE(page.previousVisible);
        EXPECT_TRUE(page.nextVisible); // shown, without effect
        pages.next();
        EXPECT_EQ(pages.currentPage(), 1);
    }
}

TEST(LanguagePages, SixFilesFitOnePage)
{
    QTemporaryDir dir;
    for (int i = 1; i <= 6; ++i)
        testsupport::writeFile(dir.filePath(QStringLiteral("L%1.lng").arg(i)), {});
    app::LanguagePages pages;
    pages.load(dir.path());
    const app::LanguagePage page = pages.page();
    EXPECT_EQ(page.languages.size(), 6u);
    EXPECT_EQ(page.pageCount, 1);
    EXPECT_FALSE(page.nextVisible);
    EXPECT_FALSE(page.previousVisible);
}

} // namespace
