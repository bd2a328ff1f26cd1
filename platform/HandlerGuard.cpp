#include "platform/HandlerGuard.h"

#include <QtDebug>
#include <atomic>

namespace platform {
namespace {

std::atomic<EscapedErrorReporter> &reporterSlot()
{
    static std::atomic<EscapedErrorReporter> reporter{nullptr};
    return reporter;
}

} // namespace

EscapedErrorReporter setEscapedErrorReporter(EscapedErrorReporter reporter)
{
    return reporterSlot().exchange(reporter);
}

void reportEscapedError(const std::exception *error) noexcept
{
    try {
        QString text;
        if (const auto *own = dynamic_cast<const Error *>(error))
            text = own->message();
        else if (error)
            text = QString::fromLocal8Bit(error->what());
        else
            text = QStringLiteral("Unknown error");
        if (const EscapedErrorReporter reporter = reporterSlot().load())
            reporter(text);
        else
            qCritical().noquote() << text;
    } catch (...) {
        // The reporter itself failed; there is nobody left to tell.
    }
}

} // namespace platform
