#pragma once
// What a cell string carries (plain text, mini-HTML, rich text, a formula
// or a wide text in its one-byte-per-character encoding) and the URL
// helpers that turn addresses in cell text into anchors.
#include "platform/Color.h"

#include <QString>

namespace controls {

enum TCellTextKind : int { ckPlain = 0, ckHtml = 1, ckRichText = 2, ckFormula = 3, ckWideText = 5 };

// A formula starts with "=" (also a wide text whose first character is
// "=" followed by one below 256); rich text with "{\"; a wide text with
// "|\"; mini-HTML, only with detectHtml, holds "</", "<B", "<I" or "<C".
TCellTextKind GetCellTextKind(const QString &text, bool detectHtml);

// "|\" and then each UTF-16 unit as two characters, its high and low byte.
QString EncodeWideCellText(const QString &wide);
// The reverse for a text starting with "|\" (a trailing odd character is
// dropped); any other text is returned as it is.
QString DecodeWideCellText(const QString &text);
int PosInWideText(const QString &subText, const QString &text);

QString CRToHtmlBreak(const QString &text);
// Six upper-case hexadecimal digits, red first; no system colour lookup.
QString ColorToHexRGB(platform::TColor color);

bool IsUrlText(const QString &text);
// Drops everything through the first "://", else through the first
// "mailto:".
void StripUrlProtocol(QString &text);
// When the upper-cased text holds urlPrefix ("HTTP://", "WWW."...): result
// is the text with "<" and ">" escaped and the first such URL made an
// anchor to itself.
bool MarkupUrlMatch(const QString &text, const QString &urlPrefix, QString &result);

} // namespace controls
