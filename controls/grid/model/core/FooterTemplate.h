#pragma once
// The custom preview of the floating footer: a mini-HTML template in which
// "<#n>" stands for the current row's text of column n.
#include <QString>

#include <functional>

namespace controls {

// A tag whose n is no number is dropped; a "<#" without its ">" ends the
// expansion and the rest stays as it is.
QString expandFooterTemplate(const QString &tmpl, const std::function<QString(int col)> &cellText);

} // namespace controls
