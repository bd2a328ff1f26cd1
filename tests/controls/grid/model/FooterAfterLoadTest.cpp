// Every loader that resizes or fills the grid recalculates the floating
// footer once it is done.
#include "GridFixture.h"

#include "controls/grid/model/FloatingFooter.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

struct LoadCase {
    const char *name;
    std::function<void(TExStringGrid &source, const QString &file)> save;
    std::function<void(TExStringGrid &grid, const QString &file)> load;
};

class FooterAfterLoad : public stringgridtest::GridFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(FooterAfterLoad, SumsWhatWasLoaded)
{
    TExStringGrid source;
    source.setColCount(3);
    source.setRowCount(5);
    for (int r = 1; r <= 3; ++r)
        source.setCells(1, r, QString::number(r));
    const QString file = path("cells");
    GetParam().save(source, file);

    grid.setColCount(3);
    grid.setRowCount(5);
    grid.FloatingFooter().setVisible(true);
    for (int r = 1; r <= 3; ++r)
        grid.setCells(1, r, QString::number(r * 10));
    grid.FloatingFooter().setColumnCalc(1, acSUM);
    ASSERT_EQ(grid.Floats(1, 4), 60.0);
    GetParam().load(grid, file);
    EXPECT_EQ(grid.Floats(1, grid.RowCount() - 1), 6.0);
}

INSTANTIATE_TEST_SUITE_P(
    Loaders, FooterAfterLoad,
    ::testing::Values(
        LoadCase{"nativeFile", [](TExStringGrid &s, const QString &f) { s.SaveToFile(f); },
                 [](TExStringGrid &g, const QString &f) { g.LoadFromFile(f); }},
        LoadCase{"xml", [](TExStringGrid &s, const QString &f) { s.SaveToXML(f, "L", "R", nullptr, true); },
                 [](TExStringGrid &g, const QString &f) { g.LoadFromXML(f, false, false); }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
