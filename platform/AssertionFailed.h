#pragma once
// The failure of an assertion that stays active in release builds: raised by
// code that checks its caller's preconditions before it changes anything.
// The text reads "<message> (<unit>, line <n>)".
#include "platform/Error.h"

namespace platform {

class EAssertionFailed : public Error {
public:
    EAssertionFailed(const QString &message, const QString &unit, int line)
        : Error(QStringLiteral("%1 (%2, line %3)").arg(message, unit).arg(line)), m_assertion(message)
    {
    }
    // The message without the place.
    const QString &assertion() const { return m_assertion; }

private:
    QString m_assertion;
};

} // namespace platform
