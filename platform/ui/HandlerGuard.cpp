#include "platform/ui/HandlerGuard.h"

namespace platform {

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
        showError(text);
    } catch (...) {
        // The error box itself failed; there is nobody left to tell.
    }
}

} // namespace platform
