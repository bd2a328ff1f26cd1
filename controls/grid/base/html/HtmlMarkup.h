#pragma once
// Reading mini-HTML source: the entities replaced before layout, those of a
// text chunk, and the attributes of a tag.
#include <QString>
#include <QStringView>

namespace controls {

// One pass over the text: &amp; becomes "&&" (DrawText's escaped
// ampersand), &quot; &sect; &permil; &reg; &copy; &para; &trade; &euro;
// (in any case) their characters; "<#name>" becomes "#name"; LF goes and CR
// becomes <BR>. What a replacement produces is never looked at again.
QString preprocessHtml(const QString &text);

// A chunk of visible text: &nbsp; &lt; &gt; become their characters, and an
// escaped ampersand "&&" stays as it is.
QString decodeHtmlChunk(QStringView raw);

struct THtmlAttribute {
    bool present = false;
    bool quoted = false;
    QString value; // between the double quotes, in its own case
    QStringView rest; // what follows the name and its "="
};

// The first occurrence of name in the tag (without regard to case), and its
// value when "=" and a double-quoted value follow it (blanks allowed
// around the "=").
THtmlAttribute htmlAttribute(QStringView tag, QStringView name);

// The leading digits (after an optional "-" when signed), 0 for none, held
// to +-1,000,000.
int leadingNumber(QStringView text, bool isSigned = false);

} // namespace controls
