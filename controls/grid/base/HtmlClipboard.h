#pragma once
// The "HTML Format" clipboard text: an HTML fragment inside a small
// document, behind a header that gives the byte offsets of the document and
// of the fragment. The text is UTF-8 and says so, and the offsets count its
// bytes, so that any fragment survives the trip.
#include <QByteArray>
#include <QString>
#include <optional>

namespace controls {

QByteArray BuildHtmlClipboardText(const QString &fragment);

// The fragment of clipboard HTML as its header places it; nullopt when the
// header is missing, unreadable or points outside the text.
std::optional<QString> htmlClipboardFragment(const QByteArray &clipboardText);

} // namespace controls
