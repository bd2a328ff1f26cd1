#pragma once
// The fixed items of the network dialog's pick lists. Their positions are
// what the network file stores, so they never change with the language.
#include <QStringList>

namespace project {

QStringList typeOfDataItems();     // 26 items
QStringList functionFieldItems();  // 4
QStringList dimensionItems();      // 8; the last is "Variable Length"
QStringList unitItems();           // "0" to "10"
QStringList vifeItems();           // 152; 0 "Not Selected"
QStringList postOperationItems();  // 13; 0 "None"
QStringList swapIdentItems();      // "None", "Type 1"
QStringList varListTypeItems();    // "By Type", "By Position"
QStringList cutAfterItems();       // "1" to "250" frames

} // namespace project
