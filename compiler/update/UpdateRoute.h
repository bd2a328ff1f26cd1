#pragma once
// Which update wizard follows the compile of step 4, by model and board: the
// models that come with either board keep the choice in ParGen.xml's Sel_Dev
// (1 the Ethernet board, anything else the serial board).
#include <QString>

namespace compiler {

enum class UpdateWizard { None, Ethernet, Serial };

// Types 1, 1001, 2 and 3 come with either board.
bool hasBoardVariant(int converterType);

// Sel_Dev of ParGen.xml; 0 when the file is missing or the element is missing
// or not an integer. Throws platform::Error when the file exists but cannot be
// read or is not well-formed, which ends the step before anything is written.
int readBoardVariant(const QString &parGenPath);

UpdateWizard updateWizardFor(int converterType, int boardVariant);

} // namespace compiler
