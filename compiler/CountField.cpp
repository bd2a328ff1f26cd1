#include "compiler/CountField.h"

#include "compiler/CompileError.h"

namespace compiler {

std::uint32_t countField(qsizetype count, std::uint32_t maximum, const QString &what, const QString &bankName)
{
    if (count >= 0 && std::uint64_t(count) <= maximum)
        return std::uint32_t(count);
    throw CompileFailure(CompileErrorKind::TooLarge,
                         QStringLiteral("Compile error: the network has %1 %2, but %3 can count at most %4.")
                             .arg(count)
                             .arg(what, bankName)
                             .arg(maximum));
}

} // namespace compiler
