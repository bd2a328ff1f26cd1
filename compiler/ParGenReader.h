#pragma once
// Looks the general parameters up by name among the children of ParGen.xml's
// root, as the file's owner read them. Values are integer text; an element a
// bank cannot do without fails the compile with a message that names it.
#include "compiler/FieldWriter.h"
#include "project/ParGenFile.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace compiler {

class ParGenReader {
public:
    explicit ParGenReader(const project::ParGenTexts &texts) : m_texts(texts) {}

    // The element's integer; fails the compile when it is missing or not an integer.
    std::int32_t required(const QString &name) const;
    // The element's integer, or nullopt when it is missing or not an integer.
    std::optional<std::int32_t> integer(const QString &name) const;
    std::int32_t integerOr(const QString &name, std::int32_t fallback) const
    {
        return integer(name).value_or(fallback);
    }
    // True when the element exists and its text is exactly the given text.
    bool textIs(const QString &name, const QString &text) const;
    bool has(const QString &name) const { return m_texts.has(name); }

    // The low bytes of the four required elements prefix1 to prefix4 ("IP_1"...).
    Quad requiredQuad(const QString &prefix) const;

private:
    const project::ParGenTexts &m_texts;
};

} // namespace compiler
