#pragma once
// Which anchors of a cell the desktop may open: only web pages and mail.
// Anything else ("file:", "javascript:", a program path) stays with the
// grid's own OnAnchorClick, so that a cell's text can never start a program.
#include <QString>

#include <optional>

namespace controls {

// The address to hand to the shell for an anchor: http://, https:// and
// mailto: in any case as they are, "www." as an http:// address; none for
// any other anchor.
std::optional<QString> AnchorShellTarget(const QString &anchor);

// The text after a "CELL://" prefix (any case), or none when the anchor
// does not start with it.
std::optional<QString> AnchorCellReference(const QString &anchor);

} // namespace controls
