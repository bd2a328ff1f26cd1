#pragma once
// Multi-line cell texts hold CR LF between lines. Files, editors and the
// clipboard keep them in one-line forms; these turn one form into another.
#include <QString>
#include <QStringList>

namespace controls {

// 1 + the number of CRs when multiLine, else 1.
int CountTextLines(const QString &text, bool multiLine);
// line := the text before the first CR (all of it without a CR). With
// keepRest and a CR, text keeps what follows the CR and one LF after it;
// otherwise text is emptied.
void CutFirstLine(QString &text, bool keepRest, QString &line);
QString RemoveCR(const QString &text);
QString CRToLF(const QString &text);
void CRLFToLF(QString &text);
QString EscapedNewlineToCR(const QString &text);
QString CRToEscapedNewline(const QString &text);
void LineBreaksToTilde(QString &text);
// "~" becomes CR LF; the text "^" stands for the empty text.
void TildeToLineBreaks(QString &text);
// CR LF becomes the character 11, then the text is put in double quotes.
void QuoteMultiLineText(QString &text);
void LTToCRLF(QString &text);
// Every line followed by CR LF, as text files are written; one allocation.
QString JoinLinesCrLf(const QStringList &lines);
// Texts holding a CR: CR becomes 9, LF 8 and the character 0 becomes 1.
QString MaskLineBreaks(const QString &text);
// The reverse for texts holding an 8; without allLines only the first line.
QString UnmaskLineBreaks(const QString &text, bool allLines);

} // namespace controls
