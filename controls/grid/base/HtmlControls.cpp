#include "controls/grid/base/HtmlControls.h"

#include "controls/grid/base/HtmlText.h"
#include "controls/grid/base/NumberText.h"

#include <optional>

namespace controls {

namespace {

// One CONTROL element of a text: where it stands and what it says.
struct ControlElement {
    qsizetype start = 0; // its "<"
    qsizetype end = 0; // one past its ">"
    THtmlControlTag tag;
};

std::optional<ControlElement> controlFrom(const QString &text, qsizetype from)
{
    const qsizetype start = text.indexOf(u"<CONTROL", from, Qt::CaseInsensitive);
    if (start < 0)
        return std::nullopt;
    const qsizetype close = text.indexOf(u'>', start);
    const qsizetype end = close < 0 ? text.size() : close + 1;
    return ControlElement{start, end, ParseHtmlControlTag(text.sliced(start, end - start))};
}

template <class Visit>
void forEachControl(const QString &text, Visit visit)
{
    for (auto element = controlFrom(text, 0); element; element = controlFrom(text, element->end))
        if (!visit(*element))
            return;
}

std::optional<ControlElement> controlWithId(const QString &text, const QString &id)
{
    std::optional<ControlElement> found;
    forEachControl(text, [&](const ControlElement &element) {
        if (element.tag.ID != id)
            return true;
        found = element;
        return false;
    });
    return found;
}

QString attribute(const QString &tagText, QStringView name)
{
    const qsizetype at = tagText.indexOf(name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    const qsizetype open = tagText.indexOf(u'"', at + name.size());
    if (open < 0)
        return {};
    const qsizetype close = tagText.indexOf(u'"', open + 1);
    if (close < 0)
        return {};
    return tagText.sliced(open + 1, close - open - 1);
}

QString quoted(QStringView name, const QString &value)
{
    return QStringLiteral(" %1=\"%2\"").arg(name, value);
}

QString elementText(const THtmlControlTag &tag)
{
    QString text = QStringLiteral("<CONTROL ID=\"%1\"").arg(tag.ID);
    text += quoted(u"VALUE", EscapeHtmlText(tag.Value, true));
    text += quoted(u"WIDTH", tag.Width);
    if (!tag.Height.isEmpty())
        text += quoted(u"HEIGHT", tag.Height);
    text += quoted(u"TYPE", tag.Type.toUpper());
    if (!tag.Prop.isEmpty())
        text += quoted(u"PROP", EscapeHtmlText(tag.Prop, true));
    if (!tag.MaxLen.isEmpty())
        text += quoted(u"MAXLEN", tag.MaxLen);
    return text + u'>';
}

bool takesTypedText(const QString &type)
{
    return type != u"BUTTON" && type != u"CHECK" && type != u"RADIO";
}

} // namespace

THtmlControlTag ParseHtmlControlTag(const QString &tagText)
{
    THtmlControlTag tag;
    tag.Type = attribute(tagText, u"TYPE=").toUpper();
    tag.ID = attribute(tagText, u"ID=");
    tag.Value = UnescapeHtmlText(attribute(tagText, u"VALUE="), true);
    tag.Prop = UnescapeHtmlText(attribute(tagText, u"PROP="), true);
    tag.Width = attribute(tagText, u"WIDTH=");
    tag.Height = attribute(tagText, u"HEIGHT=");
    tag.MaxLen = attribute(tagText, u"MAXLEN=");
    return tag;
}

bool HasHtmlControl(const QString &text)
{
    return text.contains(u"<CONTROL", Qt::CaseInsensitive);
}

QString NextHtmlEditControlID(const QString &text, const QString &id)
{
    bool passed = id.isEmpty();
    QString next;
    forEachControl(text, [&](const ControlElement &element) {
        if (passed && takesTypedText(element.tag.Type)) {
            next = element.tag.ID;
            return false;
        }
        passed = passed || element.tag.ID == id;
        return true;
    });
    return next;
}

QString ClearHtmlRadioControls(const QString &text)
{
    QString result;
    qsizetype copied = 0;
    forEachControl(text, [&](const ControlElement &element) {
        if (element.tag.Type == u"RADIO") {
            THtmlControlTag cleared = element.tag;
            cleared.Value = QStringLiteral("FALSE");
            result += QStringView(text).sliced(copied, element.start - copied);
            result += elementText(cleared);
            copied = element.end;
        }
        return true;
    });
    result += QStringView(text).sliced(copied);
    return result;
}

bool GetHtmlControlValue(const QString &text, const QString &id, QString &value)
{
    const auto element = controlWithId(text, id);
    if (element)
        value = element->tag.Value;
    return element.has_value();
}

QString GetHtmlControlProp(const QString &text, const QString &id)
{
    const auto element = controlWithId(text, id);
    return element ? element->tag.Prop : QString();
}

int GetHtmlControlMaxLen(const QString &text, const QString &id)
{
    const auto element = controlWithId(text, id);
    if (!element)
        return 0;
    const QString &maxLen = element->tag.MaxLen;
    qsizetype digits = 0;
    while (digits < maxLen.size() && digits < 9 && IsDigitChar(maxLen[digits]))
        ++digits;
    return parseWholeInt(QStringView(maxLen).first(digits)).value_or(0);
}

bool SetHtmlControlValue(QString &text, const QString &id, const QString &value)
{
    const auto element = controlWithId(text, id);
    if (!element)
        return false;
    THtmlControlTag changed = element->tag;
    changed.Value = value;
    text.replace(element->start, element->end - element->start, elementText(changed));
    return true;
}

} // namespace controls
