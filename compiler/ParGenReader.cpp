#include "compiler/ParGenReader.h"

#include "compiler/CompileError.h"
#include "platform/IntText.h"
#include "platform/QuotedValue.h"

namespace compiler {

std::int32_t ParGenReader::required(const QString &name) const
{
    const std::optional<QString> element = m_texts.text(name);
    if (!element)
        throw CompileFailure(CompileErrorKind::MissingElement,
                             QStringLiteral("Compile error: ParGen.xml has no element \"%1\". "
                                            "Open the general parameters and save them again.")
                                 .arg(name));
    const QString &text = *element;
    const auto value = platform::tryParseInt32(text);
    if (!value)
        throw CompileFailure(CompileErrorKind::MalformedElement,
                             QStringLiteral("Compile error: the element \"%1\" of ParGen.xml holds \"%2\", "
                                            "which is not an integer.")
                                 .arg(name, platform::quotedValue(text)));
    return *value;
}

std::optional<std::int32_t> ParGenReader::integer(const QString &name) const
{
    return m_texts.integer(name);
}

bool ParGenReader::textIs(const QString &name, const QString &text) const
{
    return m_texts.text(name) == text;
}

Quad ParGenReader::requiredQuad(const QString &prefix) const
{
    Quad bytes{};
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(required(prefix + QString::number(i + 1)));
    return bytes;
}

} // namespace compiler
