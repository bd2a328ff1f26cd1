#pragma once
// Counts that a bank stores in a narrow field. A network with more than the
// field holds fails the compile instead of wrapping round to a wrong count.
#include <QString>
#include <QtGlobal>

#include <cstdint>

namespace compiler {

std::uint32_t countField(qsizetype count, std::uint32_t maximum, const QString &what, const QString &bankName);

} // namespace compiler
