#pragma once
// The grid's filter conditions, such as ">10&<20", "abc*" or "!x?z": clauses
// joined from left to right by "&" (and) or ";", "^", "|" (or), with
// parenthesised groups, each clause a comparison or a wildcard pattern.
// Operators and blanks count only outside double quotes. Matching never
// throws, and a pattern costs at most its length times the value's.
#include "controls/grid/base/FormatSettings.h"

#include <QString>

namespace controls {

bool MatchFilterCondition(const QString &condition, const QString &value, bool caseSensitive,
                          const TFormatSettings &fs = formatSettings());
// One clause: ">x", ">=x", "<x", "<=x" compare as numbers, as dates or as
// text, whichever both sides read as; otherwise a pattern of "*" and "?"
// in which a "!" negates and double quotes are skipped.
bool MatchFilterClause(QStringView clause, QStringView value, bool caseSensitive,
                       const TFormatSettings &fs = formatSettings());
QString RemoveUnquotedSpaces(const QString &text);
// Position (from 1) of the ")" at which as many ")" as "(" have been seen;
// 0 when there is none.
int FindClosingParen(QStringView text);

} // namespace controls
