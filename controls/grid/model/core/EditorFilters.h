#pragma once
// What the grid's default editor does with a typed character, a pasted text
// and the text typed so far for look-up completion, by editor type. Pure
// functions of the editor's text and selection, so that the rules are
// tested without a window; the editor widget only applies the answer.
#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/GridTypes.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace controls {

// The editor's text with its selection; the caret is the selection's end
// (selStart + selLength), as after typing.
struct TEditorText {
    QString text;
    int selStart = 0;
    int selLength = 0;
    int caret() const { return selStart + selLength; }
    bool selects(QChar c) const { return text.mid(selStart, selLength).contains(c); }
};

enum class TCharVerdict {
    Accept, // insert ch (maybe case-changed)
    Drop,   // ignore silently
    Beep,   // ignore and beep
};

struct TCharFilter {
    TCharVerdict verdict = TCharVerdict::Accept;
    QChar ch;
    // edMixedCase: after inserting, every word of the text is capitalised.
    bool capitalize = false;
};

struct TEditorFilterRules {
    TEditorType type = edNormal;
    int lengthLimit = 0; // 0 or less: none
    QString validChars; // edValidChars
    // edValidChars with validChars empty: the 8-bit characters allowed.
    QString validCharSet;
    bool ctrlDown = false;
};

// The verdict on one typed character (Backspace is u'\b', Enter u'\r').
TCharFilter filterEditorChar(QChar ch, const TEditorText &state, const TEditorFilterRules &rules,
                             const TFormatSettings &fs = formatSettings());

// The default-edit types, which the grid's own editor serves.
bool isDefaultEditType(TEditorType type);

// A paste: the text after it with its selection (the inserted part selected
// when a selection was replaced, else the caret after it); nullopt when
// the clipboard text does not fit the length limit or the editor type
// refuses the result (the editor's text stays).
std::optional<TEditorText> pasteIntoEditor(const QString &clip, const TEditorText &state,
                                           const TEditorFilterRules &rules,
                                           const TFormatSettings &fs = formatSettings());

// Look-up completion: the first item that begins with the text up to the
// caret completes it, the completed part selected; nullopt while text is
// selected or when no item matches.
std::optional<TEditorText> lookupCompletion(const TEditorText &state, const QStringList &items, bool caseSensitive);

// A stored edit mask ("!990/00;1;_": places, whether literals are kept,
// the blank) as a line edit's input mask ("090/99;_"). The required and
// optional digits swap letters (0 and 9), any character is X and x, and
// "!" (keep leading blanks out) has no counterpart and goes; letters,
// alphanumerics, "#", case changes and escaped literals mean the same.
// The literals are always part of the text.
QString inputMaskFromEditMask(const QString &mask);

} // namespace controls
