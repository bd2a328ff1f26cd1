#include "scan/dialogs/ScanRefusalText.h"

#include "app/Language.h"
#include "scan/dialogs/ScanDecodeTexts.h"

namespace scan {

namespace {

// Ports below this one are bound only with the system's right to.
constexpr quint16 FirstUnprivilegedPort = 1024;

} // namespace

QString refusalText(const ScanStart &start, const QString &address, quint16 port)
{
    switch (start.refusal) {
    case ScanRefusal::None:
        break;
    case ScanRefusal::ScanInProgress:
        return app::text(TextScanInProgress);
    case ScanRefusal::InvalidAddress:
        return app::text(TextBadAddress).arg(start.detail);
    case ScanRefusal::InvalidPort:
        return app::text(TextPortZero).arg(port);
    case ScanRefusal::PortDenied:
        if (port < FirstUnprivilegedPort)
            return app::text(TextPortDenied).arg(port);
        break; // a refusal that no right explains: the system's words
    case ScanRefusal::PortInUse:
        return app::text(TextPortInUse).arg(port).arg(start.local);
    case ScanRefusal::DeviceFailed:
        return app::text(TextNoDevice).arg(address, start.detail);
    case ScanRefusal::TransportFailed:
        break;
    }
    return app::text(TextNoConnection).arg(start.detail);
}

} // namespace scan
