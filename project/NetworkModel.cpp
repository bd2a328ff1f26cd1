#include "project/NetworkModel.h"

#include "app/ConverterType.h"

namespace project {

TNodo clipboardCopyOf(const TNodo &node, int type)
{
    TNodo copy = node;
    if (!app::isWirelessType(type)) {
        const TNodo blank;
        copy.wMBus_ManID = blank.wMBus_ManID;
        copy.wMBus_Add = blank.wMBus_Add;
        copy.wMBus_Ver = blank.wMBus_Ver;
        copy.wMBus_DevType = blank.wMBus_DevType;
        copy.wMBus_En_Key = blank.wMBus_En_Key;
        copy.wMBus_Key = blank.wMBus_Key;
        copy.RSSI = blank.RSSI;
        copy.MBus_Type = 1;
    }
    return copy;
}

} // namespace project
