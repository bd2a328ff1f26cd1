// Feeds arbitrary bytes to the reader of the grid's imported text files.
// Nothing may crash or hang, and the lines read must save and load again
// unchanged, whatever encoding they were found in.
#include "controls/grid/base/FileStringList.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using controls::TFileStringList;
    TFileStringList read;
    read.LoadFromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    read.Reset();
    while (!read.Eof())
        (void)read.ReadLn();
    TFileStringList again;
    again.LoadFromBytes(read.SaveToBytes());
    if (again.Strings() != read.Strings())
        std::abort();
    return 0;
}
