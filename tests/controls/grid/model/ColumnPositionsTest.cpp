#include "GridFixture.h"

#include "controls/grid/model/ExCGrid.h"
#include "platform/Error.h"

using namespace controls;

namespace {

class ColumnPositionsTest : public stringgridtest::GridFileTest {
protected:
    ColumnPositionsTest()
    {
        while (cgrid.Columns().Count() > 0)
            cgrid.Columns().Delete(0);
        for (const char *name : {"A", "B", "C", "D"})
            cgrid.Columns().Add()->Name = QString::fromLatin1(name);
        cgrid.SetOrganization();
    }
    QString names() const
    {
        QString out;
        for (int i = 0; i < cgrid.Columns().Count(); ++i)
            out += cgrid.Columns()[i]->Name;
        return out;
    }
    TExColumnGrid cgrid;
};

} // namespace

TEST_F(ColumnPositionsTest, StoredPositionsPutTheColumnsBack)
{
    const QString ini = path("cols.ini");
    cgrid.MoveColumn(0, 3);
    cgrid.MoveColumn(0, 1);
    const QString moved = names();
    cgrid.SaveColumnPositions(ini, QStringLiteral("Cols"));

    TExColumnGrid other;
    while (other.Columns().Count() > 0)
        other.Columns().Delete(0);
    for (const char *name : {"A", "B", "C", "D"})
        other.Columns().Add()->Name = QString::fromLatin1(name);
    other.SetOrganization();
    other.LoadColumnPositions(ini, QStringLiteral("Cols"));
    QString got;
    for (int i = 0; i < other.Columns().Count(); ++i)
        got += other.Columns()[i]->Name;
    EXPECT_EQ(got, moved);
}

TEST_F(ColumnPositionsTest, DamagedPositionsChangeNothing)
{
    const QString ini = path("bad.ini");
    write(ini, "[Cols]\nCP0=1\nCP1=0\nCP2=2\n"); // CP3 missing
    cgrid.LoadColumnPositions(ini, QStringLiteral("Cols"));
    EXPECT_EQ(names(), QStringLiteral("ABCD"));
    write(ini, "[Cols]\nCP0=1\nCP1=1\nCP2=0\nCP3=0\n"); // would loop for ever
    EXPECT_THROW(cgrid.LoadColumnPositions(ini, QStringLiteral("Cols")), platform::Error);
    EXPECT_EQ(names(), QStringLiteral("ABCD"));
    cgrid.Columns()[0]->DefIdx = 1;
    EXPECT_THROW(cgrid.ResetOrganization(), platform::Error);
    EXPECT_EQ(names(), QStringLiteral("ABCD"));
}
