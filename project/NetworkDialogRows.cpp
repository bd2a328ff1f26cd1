#include "project/NetworkDialogRows.h"

#include "app/ConverterType.h"
#include "project/NetworkDialogFields.h"
#include "project/ParGenElements.h"

namespace project {

bool showsExtendedNodeRows(int converterType, int boardVariant)
{
    return (app::isValidConverterType(converterType) && app::traitsOf(converterType).extendedNodeRows)
        || isEthernetBoard(boardVariant);
}

NodeRows nodeRowsShown(int converterType, int boardVariant, int mbusType)
{
    NodeRows rows;
    const bool extended = showsExtendedNodeRows(converterType, boardVariant);
    rows.manufacturerSpecific = extended;
    if (!app::isWirelessType(converterType)) {
        rows.wiredRows = true;
        rows.cutAfter = extended;
        rows.accessNumber = extended;
        return rows;
    }
    rows.mbusType = true;
    const bool wireless = mbusType == WirelessNodeType;
    rows.wirelessPanel = wireless;
    rows.wiredRows = !wireless;
    rows.cutAfter = extended && !wireless;
    rows.accessNumber = extended && !wireless;
    return rows;
}

bool offersPostOperation(int converterType, int boardVariant, int varListType)
{
    if (!app::isValidConverterType(converterType))
        return false;
    switch (app::traitsOf(converterType).postOperation) {
    case app::PostOperation::Always: return true;
    case app::PostOperation::OnEthernetBoard: return isEthernetBoard(boardVariant);
    case app::PostOperation::UnlessByPosition: return varListType != ByPositionVarList;
    case app::PostOperation::Never: return false;
    }
    return false;
}

} // namespace project
