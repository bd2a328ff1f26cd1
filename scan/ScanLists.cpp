#include "scan/ScanLists.h"

namespace scan {

TSlaveMBusList &List_Slave_MBus()
{
    static TSlaveMBusList list;
    return list;
}

TSlaveWMBusList &List_Wireless_Key()
{
    static TSlaveWMBusList list;
    return list;
}

} // namespace scan
