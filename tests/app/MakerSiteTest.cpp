#include "app/ConverterType.h"
#include "app/MakerSite.h"

#include <gtest/gtest.h>

namespace {

// Only the maker's own models have a product page; nothing is contacted here.
TEST(MakerSite, ProductPagesOfTheMakersOwnModelsOnly)
{
    for (const int type : app::AllConverterTypes) {
        SCOPED_TRACE(type);
        const QString page = app::productPageAddress(type);
        if (type > 1000)
            EXPECT_TRUE(page.isEmpty());
        else
            EXPECT_EQ(page, "http://www.tervikon.com/HOME/default.asp?frompg=" + app::converterInfo(type).swCode);
    }
    EXPECT_TRUE(app::productPageAddress(0).isEmpty());
    EXPECT_TRUE(app::productPageAddress(8).isEmpty());
}

} // namespace
