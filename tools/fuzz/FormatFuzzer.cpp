// Formats come from stored column layouts, so a format is outside text:
// any format with a fixed set of arguments of each kind must give a text or
// a refusal, never a crash or an argument read as another kind.
#include "platform/Format.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString format = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)platform::Format(format, {});
    (void)platform::Format(format, {7, 3.5, "text", -2, 1e300, QStringLiteral("\u20AC")});
    (void)platform::Format(format, {"a", "b", 100, 100});
    return 0;
}
