// Access databases are read through ADO, which this platform lacks: the
// import fails where it creates its connection, before the grid changes.
#include "controls/grid/model/ExGrid.h"
#include "platform/Automation.h"

namespace controls {

void TExStringGrid::LoadFromMDBSQL(const QString &Filename, const QString &SQL)
{
    Q_UNUSED(Filename);
    Q_UNUSED(SQL);
    platform::CreateOleObject(QStringLiteral("ADODB.Connection"));
}

void TExStringGrid::LoadFromMDBTable(const QString &Filename, const QString &Table)
{
    LoadFromMDBSQL(Filename, QStringLiteral("SELECT * FROM ") + Table);
}

} // namespace controls
