#pragma once
// The string grid's own error: a cell that holds no number, a row or
// column outside the grid. Raised to the caller of a public operation.
#include "platform/Error.h"

namespace controls {

class ZOraZaziRarar : public platform::Error {
public:
    using platform::Error::Error;
};

} // namespace controls
