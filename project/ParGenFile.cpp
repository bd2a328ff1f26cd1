#include "project/ParGenFile.h"

#include "app/ConverterType.h"
#include "platform/IntText.h"

namespace project {

ParGenValues parGenValuesFrom(const QDomElement &root, int type)
{
    ParGenValues values(type);
    for (const ParGenElement &element : values.elements())
        values.setFromFile(element.name, platform::childText(root, element.name));
    return values;
}

ParGenReadResult readParGenFile(const QString &path, int type)
{
    const LoadedDocument document = loadDocumentFile(path);
    if (!document.ok())
        return {ParGenValues(type), document.missing, document.error};
    return {parGenValuesFrom(document.root(), type), false, std::nullopt};
}

platform::XmlOutDocument parGenDocument(const ParGenValues &values)
{
    platform::XmlOutDocument document;
    document.root.name = QString::fromLatin1(ParGenRootName);
    for (const ParGenElement &element : values.elements())
        document.root.addTextChild(element.name, values.text(element.name));
    document.commentsAfterRoot << app::swVersionComment(values.converterType());
    return document;
}

std::optional<FileError> writeParGenFile(const QString &path, const ParGenValues &values)
{
    return saveDocumentFile(parGenDocument(values), path);
}

int boardVariant(const QDomElement &root)
{
    const auto text = platform::childText(root, QStringLiteral("Sel_Dev"));
    return text ? platform::parseInt32Or(*text, 0) : 0;
}

BoardVariantRead readBoardVariant(const QString &path)
{
    const LoadedDocument document = loadDocumentFile(path);
    if (!document.ok())
        return {0, document.error};
    return {boardVariant(document.root()), std::nullopt};
}

ParGenLookup::ParGenLookup(const QString &path) : m_document(loadDocumentFile(path)) {}

std::optional<QString> ParGenLookup::text(const QString &name) const
{
    if (!m_document.ok())
        return std::nullopt;
    return platform::childText(m_document.root(), name);
}

std::optional<std::int32_t> ParGenLookup::integer(const QString &name) const
{
    const auto value = text(name);
    return value ? platform::tryParseInt32(*value) : std::nullopt;
}

} // namespace project
