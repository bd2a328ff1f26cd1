#include "scan/ScanModel.h"

namespace scan {

void clearFromLast(TVariableList &records)
{
    while (!records.empty())
        records.pop_back();
}

TSlave_MBus::~TSlave_MBus() { clearFromLast(List_Var); }

TSlave_wMBus::~TSlave_wMBus() { Cancel_Var(); }

void TSlave_wMBus::Cancel_Var() { clearFromLast(List_Var); }

} // namespace scan
