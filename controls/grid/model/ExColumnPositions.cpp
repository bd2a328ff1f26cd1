// The column grid's own column positions: each item's form position
// (DefIdx) under "CP"i of an INI file, and the moves that bring the items
// back into a stored order. The stored list is checked as a whole first, so
// that a damaged file cannot leave the order half done or the moves
// running forever.
#include "controls/grid/model/ExCGrid.h"

#include "controls/grid/model/core/StoredLayout.h"
#include "platform/Error.h"
#include "platform/IniFile.h"

namespace controls {

namespace {

QString cpKey(int i) { return QStringLiteral("CP%1").arg(i); }

} // namespace

void TExColumnGrid::SetOrganization()
{
    for (int i = 0; i < Columns().Count(); ++i)
        Columns()[i]->DefIdx = i;
}

void TExColumnGrid::SaveColumnPositions(const QString &Key, const QString &Section)
{
    platform::TIniFileOnDisk file(Key);
    for (int i = 0; i < Columns().Count(); ++i)
        file.data().WriteInteger(Section, cpKey(i), Columns()[i]->DefIdx);
    QString error;
    if (!file.UpdateFile(&error))
        throw platform::Error(error);
}

void TExColumnGrid::LoadColumnPositions(const QString &Key, const QString &Section)
{
    const platform::TIniFileOnDisk file(Key);
    const int count = Columns().Count();
    std::vector<std::optional<QString>> values;
    for (int i = 0; i < count; ++i) {
        const auto v = file.data().value(Section, cpKey(i));
        if (!v || v->trimmed() == QStringLiteral("-1"))
            return;
        values.push_back(v);
    }
    const auto read = readStoredOrder(values, count);
    if (const auto *fault = std::get_if<TLayoutFault>(&read))
        throw platform::Error(fault->message);
    const std::vector<int> &stored = std::get<std::vector<int>>(read);
    ResetColumnOrder();
    for (int j = 0; j < count; ++j)
        Columns()[stored[std::size_t(j)]]->DefIdx = j;
    ResetOrganization();
    for (int i = 0; i < count; ++i)
        Columns()[i]->DefIdx = stored[std::size_t(i)];
}

void TExColumnGrid::ResetOrganization()
{
    const int count = Columns().Count();
    std::vector<int> defIdx;
    for (int i = 0; i < count; ++i)
        defIdx.push_back(Columns()[i]->DefIdx);
    // Equal or missing positions would never settle: refused before a move.
    if (!isPermutationOf(defIdx, count))
        throw platform::Error(QStringLiteral("List index out of bounds (%1)").arg(count));
    bool moved = true;
    while (moved) {
        moved = false;
        for (int i = 0; i < Columns().Count(); ++i) {
            const int target = Columns()[i]->DefIdx;
            if (target < i) {
                MoveColumn(i, target);
                moved = true;
            }
        }
    }
}

} // namespace controls
