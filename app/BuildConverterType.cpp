#include "app/ConverterType.h"

// The one file compiled with the build's choice of converter type (CMake's
// CONVERTER_TYPE); everything else asks Converter_Type().
#ifndef CONVERTER_TYPE_BUILD
#error "CONVERTER_TYPE_BUILD is set by the build for this file"
#endif

namespace app {

int Converter_Type()
{
    return CONVERTER_TYPE_BUILD;
}

} // namespace app
