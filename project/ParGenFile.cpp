#include "project/ParGenFile.h"

#include "app/ConverterType.h"
#include "platform/IntText.h"
#include "platform/XmlStream.h"

namespace project {

std::optional<QString> ParGenTexts::text(const QString &name) const
{
    const auto it = m_texts.constFind(name);
    if (it == m_texts.cend())
        return std::nullopt;
    return *it;
}

std::optional<std::int32_t> ParGenTexts::integer(const QString &name) const
{
    const auto value = text(name);
    return value ? platform::tryParseInt32(*value) : std::nullopt;
}

// One pass over the tokens: the root's children are collected as they
// stream by, so a large file costs its size once, and nothing is kept of an
// element whose name was seen before.
struct ParGenTextsReader {
    static ParGenDocument parse(const QByteArray &bytes, const QString &pathForMessages)
    {
        ParGenDocument document;
        QHash<QString, QString> &texts = document.texts.m_texts;
        platform::XmlStream in(bytes);
        // As the document tree reads it: prefixes are not checked.
        in.setNamespaceProcessing(false);
        bool rootSeen = false;
        bool collecting = false;
        QString name;
        QString text;
        while (!in.atEnd()) {
            const auto token = in.readNext();
            if (token == QXmlStreamReader::Invalid)
                break;
            const QXmlStreamReader &current = in.reader();
            if (token == QXmlStreamReader::StartElement) {
                if (in.depth() == 1) {
                    rootSeen = true;
                } else if (in.depth() == 2) {
                    name = current.qualifiedName().toString();
                    collecting = !texts.contains(name);
                    text.clear();
                }
            } else if (token == QXmlStreamReader::Characters) {
                // Text between elements that is only blanks is layout, as the tree drops it.
                if (collecting && !current.isWhitespace())
                    text += current.text();
            } else if (token == QXmlStreamReader::EndElement && in.depth() == 1 && collecting) {
                texts.insert(name, text);
                collecting = false;
            }
        }
        QString error;
        if (in.hasError())
            error = in.errorText();
        else if (!rootSeen)
            error = QStringLiteral("no root element");
        if (!error.isEmpty()) {
            document.texts = ParGenTexts();
            document.error = FileError::of(FileError::Kind::NotWellFormed, pathForMessages, error);
        }
        return document;
    }
};

ParGenDocument parseParGenDocument(const QByteArray &bytes, const QString &pathForMessages)
{
    return ParGenTextsReader::parse(bytes, pathForMessages);
}

ParGenDocument readParGenDocument(const QString &path)
{
    FileBytes file = readFileBytes(path);
    if (file.missing || file.error) {
        ParGenDocument document;
        document.missing = file.missing;
        document.error = std::move(file.error);
        return document;
    }
    return parseParGenDocument(file.bytes, path);
}

ParGenValues parGenValuesFrom(const ParGenTexts &texts, int type)
{
    ParGenValues values(type);
    for (const ParGenElement &element : values.elements())
        values.setFromFile(element.name, texts.text(element.name));
    return values;
}

ParGenReadResult readParGenFile(const QString &path, int type)
{
    const ParGenDocument document = readParGenDocument(path);
    if (!document.ok())
        return {ParGenValues(type), document.missing, document.error};
    return {parGenValuesFrom(document.texts, type), false, std::nullopt};
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

int boardVariant(const ParGenTexts &texts)
{
    const auto text = texts.text(QStringLiteral("Sel_Dev"));
    return text ? platform::parseInt32Or(*text, 0) : 0;
}

BoardVariantRead readBoardVariant(const QString &path)
{
    const ParGenDocument document = readParGenDocument(path);
    if (!document.ok())
        return {0, document.error};
    return {boardVariant(document.texts), std::nullopt};
}

ParGenLookup::ParGenLookup(const QString &path) : m_document(readParGenDocument(path)) {}

std::optional<QString> ParGenLookup::text(const QString &name) const
{
    if (!m_document.ok())
        return std::nullopt;
    return m_document.texts.text(name);
}

std::optional<std::int32_t> ParGenLookup::integer(const QString &name) const
{
    const auto value = text(name);
    return value ? platform::tryParseInt32(*value) : std::nullopt;
}

} // namespace project
