// Feeds arbitrary bytes to the reading of the version service's reply, as
// the reply body arrives from the network, for every converter type.
#include "app/ConverterType.h"
#include "app/VersionCheck.h"

#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    volatile int sink = app::convVersion(reply);
    for (const int type : app::AllConverterTypes)
        sink = sink + (app::replyAnnouncesNewerVersion(reply, type) ? 1 : 0);
    (void)sink;
    return 0;
}
