// Feeds arbitrary bytes to the INI reader the settings store and the grid's
// layout files go through. Nothing may crash or hang, and what it read must
// write out as a file that reads back the same.
#include "platform/IniFile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using platform::TMemIniFile;
    const TMemIniFile read = TMemIniFile::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QByteArray written = read.toBytes();
    if (TMemIniFile::fromBytes(written).toBytes() != written)
        std::abort();
    for (const QString &section : read.ReadSections())
        for (const QString &name : read.ReadSection(section))
            (void)read.ReadInteger(section, name, 0);
    return 0;
}
