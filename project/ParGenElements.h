#pragma once
// What ParGen.xml holds for each converter type: its elements in file order,
// how each value is encoded, the default a reader falls back to, and the
// values some types always write.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace project {

inline constexpr char ParGenRootName[] = "GeneralParameter";
inline constexpr char ParGenFileName[] = "ParGen.xml";

enum class ParGenEncoding {
    Index, // zero-based position in a fixed pick list, decimal; "-1" when nothing is chosen
    Flag,  // "1" for a ticked check box, "0" otherwise
    Text,  // the edit's text exactly as typed
    Polls, // the wired polling mode (see PollMode)
};

struct ParGenElement {
    QString name;
    ParGenEncoding encoding;
    QString defaultValue;              // as the file would hold it
    std::optional<QString> fixedValue; // written whatever is chosen, and never read
    QStringList items;                 // Index: the pick list, item 0 first
};

// The elements of the type in the order they are written. An unknown type
// gets type 1's list.
const std::vector<ParGenElement> &parGenElements(int type);

// The element of the type with that name, or null when the type has none.
const ParGenElement *findParGenElement(int type, const QString &name);

// The board variant "Sel_Dev": 1 is the Ethernet board, every other value
// the serial board.
constexpr bool isEthernetBoard(int boardVariant) { return boardVariant == 1; }

// The wired polling mode. The dialog shows On Request, Cyclic and, for type
// 3, Passive Mode (language texts 274, 275, 276).
enum class PollMode { OnRequest, Cyclic, Passive };

// Types 2 and 3 know the third mode; the others store only "1" and "0".
bool hasPassivePolling(int type);

// "1" On Request, "0" Cyclic; "2" Passive for types 2 and 3 (any other
// type writes Passive as "0").
QString encodePolls(int type, PollMode mode);

// "1" is On Request; for types 2 and 3 "0" is Cyclic and any other text
// Passive; for the other types any other text is Cyclic.
PollMode decodePolls(int type, const QString &text);

} // namespace project
