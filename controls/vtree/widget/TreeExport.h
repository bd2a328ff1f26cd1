#pragma once
// What the exports and the clipboard's text renderings share: which nodes a
// rendering takes, and the text escapes of the formats.
#include <QString>
#include <cstdint>

namespace vtree {

// The nodes a rendering takes, each walked in tree order.
enum class TLSTTextSourceType : std::uint8_t {
    tstAll,
    tstInitialized,
    tstSelected,
    tstCutCopySet,
    tstVisible,
    tstChecked
};

// Texts put into HTML: the four characters that would end a text or an
// attribute become entities.
QString escapeHtml(const QString &Text);
// A text field of a separated line: quoted (inner quotes doubled) when it
// holds the separator, a quote, CR or LF, else as it is.
QString quoteField(const QString &Text, const QString &Separator);
// The list separator of the default locale: ";" where the comma is the
// decimal separator, else ",".
QString localeListSeparator();

} // namespace vtree
