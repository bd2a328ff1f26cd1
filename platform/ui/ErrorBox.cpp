#include "platform/ui/ErrorBox.h"

#include "platform/HandlerGuard.h"
#include "platform/ui/MessageBox.h"

namespace platform {

void installErrorBox()
{
    setEscapedErrorReporter([](const QString &text) { showError(text); });
}

} // namespace platform
