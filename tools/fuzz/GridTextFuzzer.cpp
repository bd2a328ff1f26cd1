// Feeds arbitrary text to every reader of the grid's stored and pasted
// texts: clipboard HTML, wide cell texts, number and date texts, filter
// conditions (the first line the condition, the rest the value), mini-HTML
// with its form fields and highlight tags, and the stored integer and
// sort lists. Nothing may crash, hang or read outside its text.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/DateText.h"
#include "controls/grid/base/FilterCondition.h"
#include "controls/grid/base/HtmlClipboard.h"
#include "controls/grid/base/HtmlColors.h"
#include "controls/grid/base/HtmlControls.h"
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/base/IntList.h"
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/NumberText.h"
#include "controls/grid/base/OemText.h"
#include "controls/grid/base/TextSearch.h"
#include "controls/grid/base/TextTransform.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace controls;

namespace {

TFormatSettings settingsFor(std::uint8_t choice)
{
    TFormatSettings fs;
    if (choice & 1) {
        fs.ThousandSeparator = u'.';
        fs.DecimalSeparator = u',';
        fs.DateSeparator = u'.';
        fs.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    }
    return fs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const TFormatSettings fs = settingsFor(data[0]);
    const QString text = QString::fromUtf8(bytes);

    (void)htmlClipboardFragment(bytes);
    check(htmlClipboardFragment(BuildHtmlClipboardText(text)) == QString::fromUtf8(text.toUtf8()));

    const QString decoded = DecodeWideCellText(text);
    (void)GetCellTextKind(text, true);
    check(DecodeWideCellText(EncodeWideCellText(decoded)) == decoded);
    QString url;
    (void)MarkupUrlMatch(text, QStringLiteral("HTTP://"), url);

    (void)ClassifyNumberText(text, fs);
    (void)parsePlainNumber(CleanNumericText(text, fs));
    (void)ParseDateDMY(text);
    (void)ParseDateMDY(text);
    TDateTime date = 0;
    (void)ParseLocaleDateTime(text, date, fs);
    (void)AddDateParts(data[0] % 3 - 1, data[0] % 29 - 14, 0, ParseDateDMY(text), 0);

    const qsizetype newline = text.indexOf(u'\n');
    const QString condition = newline < 0 ? text : text.first(newline);
    const QString value = newline < 0 ? QString() : text.sliced(newline + 1);
    (void)MatchFilterCondition(condition, value, data[0] & 2, fs);

    (void)HtmlToPlainText(text);
    check(UnescapeHtmlText(EscapeHtmlText(text, true), true) == text);
    (void)UnescapeHtmlText(text, data[0] & 4);
    (void)WrapMatchesInTag(text, value.left(4), QStringLiteral("hi"), data[0] & 8);
    (void)RemoveTagPairs(text, QStringLiteral("hi"));
    (void)HtmlHexColor(text);
    QString form = text;
    (void)NextHtmlEditControlID(form, QString());
    (void)ClearHtmlRadioControls(form);
    (void)GetHtmlControlMaxLen(form, value);
    (void)SetHtmlControlValue(form, ParseHtmlControlTag(form).ID, value);

    TIntList list;
    (void)list.setStrValue(text);
    TSortIndexList sort;
    sort.LoadFromString(text);
    check(sort.SaveToString().size() <= text.size() + 1);

    QString lines = text;
    (void)UnmaskLineBreaks(MaskLineBreaks(text), data[0] & 16);
    TildeToLineBreaks(lines);
    QString oem = text;
    StringToOem(oem);
    OemToString(oem);
    int position = 0;
    (void)CountUnpairedChars(u'"', text);
    (void)FindUnpairedChar(u'"', text, position);
    QPoint cell;
    (void)ParseRowColRef(text, cell);
    (void)CapitalizeName(text);
    return 0;
}
