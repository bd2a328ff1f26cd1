#pragma once
// The checks OK runs before ParGen.xml is written, in their fixed order for
// the converter type. A field's value is its text read as integer text; a
// text that is empty or not a number counts as -1 and so fails every range.
// The first failing check names the language text to show.
#include "project/ParGenValues.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace project {

struct ParGenRefusal {
    int text;        // language text for the error box
    QString element; // the element whose field failed
    bool operator==(const ParGenRefusal &) const = default;
};

// The first check that values.converterType()'s fields fail, or nothing
// when all pass. Types the dialog does not know pass unchecked.
std::optional<ParGenRefusal> firstParGenRefusal(const ParGenValues &values);

// A field's text as the checks read it.
std::int32_t parGenCheckedValue(const QString &text);

} // namespace project
