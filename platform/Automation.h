#pragma once
// Office automation and database access by ADO have no servers on this
// platform. What the program would create by its programmatic name fails
// the way a missing server fails there: with the automation error, naming
// the object that could not be made.
#include "platform/Error.h"

namespace platform {

class EOleSysError : public Error {
public:
    using Error::Error;
};

// Always raises EOleSysError naming progId (for example "ADODB.Connection").
[[noreturn]] void CreateOleObject(const QString &progId);

} // namespace platform
