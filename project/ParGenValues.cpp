#include "project/ParGenValues.h"

#include "platform/IntText.h"

namespace project {

ParGenValues::ParGenValues(int type) : m_type(type), m_elements(&parGenElements(type))
{
    m_values.reserve(m_elements->size());
    for (const ParGenElement &element : *m_elements)
        m_values.push_back(element.fixedValue.value_or(element.defaultValue));
}

int ParGenValues::position(const QString &name) const
{
    for (std::size_t i = 0; i < m_elements->size(); ++i)
        if ((*m_elements)[i].name == name)
            return static_cast<int>(i);
    return -1;
}

QString ParGenValues::normalized(const ParGenElement &element, const QString &fileText) const
{
    switch (element.encoding) {
    case ParGenEncoding::Text:
        return fileText;
    case ParGenEncoding::Flag:
        return fileText == u"1" ? QStringLiteral("1") : QStringLiteral("0");
    case ParGenEncoding::Polls:
        return encodePolls(m_type, decodePolls(m_type, fileText));
    case ParGenEncoding::Index: {
        // Not a number: the default. A number the pick list does not have: nothing chosen.
        const auto parsed = platform::tryParseInt32(fileText);
        const int value = parsed ? *parsed : platform::parseInt32Or(element.defaultValue, 0);
        return QString::number(value >= 0 && value < element.items.size() ? value : -1);
    }
    }
    return fileText;
}

QString ParGenValues::text(const QString &name) const
{
    const int i = position(name);
    return i < 0 ? QString() : m_values[i];
}

int ParGenValues::index(const QString &name) const
{
    const int i = position(name);
    if (i < 0 || (*m_elements)[i].encoding != ParGenEncoding::Index)
        return -1;
    return platform::parseInt32Or(m_values[i], -1);
}

bool ParGenValues::flag(const QString &name) const
{
    return text(name) == u"1";
}

PollMode ParGenValues::polls() const
{
    return decodePolls(m_type, text(QStringLiteral("Meter_Req_Type")));
}

bool ParGenValues::setText(const QString &name, const QString &value)
{
    const int i = position(name);
    if (i < 0 || (*m_elements)[i].fixedValue)
        return false;
    m_values[i] = normalized((*m_elements)[i], value);
    return true;
}

bool ParGenValues::setIndex(const QString &name, int itemIndex)
{
    const int i = position(name);
    if (i < 0 || (*m_elements)[i].encoding != ParGenEncoding::Index)
        return false;
    return setText(name, QString::number(itemIndex));
}

bool ParGenValues::setFlag(const QString &name, bool ticked)
{
    const int i = position(name);
    if (i < 0 || (*m_elements)[i].encoding != ParGenEncoding::Flag)
        return false;
    return setText(name, ticked ? QStringLiteral("1") : QStringLiteral("0"));
}

bool ParGenValues::setPolls(PollMode mode)
{
    return setText(QStringLiteral("Meter_Req_Type"), encodePolls(m_type, mode));
}

void ParGenValues::setFromFile(const QString &name, const std::optional<QString> &fileText)
{
    const int i = position(name);
    if (i < 0 || (*m_elements)[i].fixedValue)
        return;
    const ParGenElement &element = (*m_elements)[i];
    if (!fileText) {
        m_values[i] = element.defaultValue;
        return;
    }
    m_values[i] = normalized(element, *fileText);
}

} // namespace project
