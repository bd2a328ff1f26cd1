#include "project/NetworkDialogRows.h"

#include "app/ConverterType.h"
#include "project/NetworkDialogFields.h"
#include "project/ParGenElements.h"

namespace project {

bool showsExtendedNodeRows(int converterType, int boardVariant)
{
    switch (converterType) {
    case 2:
    case 3:
    case 6:
    case 7:
    case 1007:
        return true;
    default:
        return isEthernetBoard(boardVariant);
    }
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
    switch (converterType) {
    case 2:
    case 3:
    case 6:
    case 7:
        return true;
    case 1:
    case 1001:
        return isEthernetBoard(boardVariant);
    case 1007:
        return varListType != ByPositionVarList;
    default:
        return false;
    }
}

} // namespace project
