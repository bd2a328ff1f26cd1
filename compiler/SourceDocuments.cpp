#include "compiler/SourceDocuments.h"

#include "compiler/CompileError.h"
#include "platform/Xml.h"

namespace compiler {

SourceDocuments::SourceDocuments(QString parGenPath, QString mBusPath)
    : m_parGenPath(std::move(parGenPath)), m_mBus(std::move(mBusPath), QStringLiteral("M_Bus.xml"))
{
}

void SourceDocuments::loadParGen()
{
    if (!m_parGen)
        m_parGen = project::readParGenDocument(m_parGenPath);
}

const project::ParGenTexts *SourceDocuments::parGen()
{
    loadParGen();
    if (m_parGen->missing)
        return nullptr;
    if (m_parGen->error)
        throw CompileFailure(CompileErrorKind::UnreadableDocument,
                             QStringLiteral("Compile error: ParGen.xml cannot be read: %1").arg(m_parGen->error->detail));
    return &m_parGen->texts;
}

const project::ParGenTexts *SourceDocuments::parGenIfReadable()
{
    loadParGen();
    return m_parGen->ok() ? &m_parGen->texts : nullptr;
}

SourceDocuments::Document::Document(QString path, QString displayName)
    : m_path(std::move(path)), m_displayName(std::move(displayName))
{
}

void SourceDocuments::Document::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    platform::XmlLoadResult result = platform::loadXmlFile(m_path);
    m_exists = !result.missing;
    if (result.ok())
        m_document = std::move(result.document);
    else
        m_error = result.error;
}

std::optional<QDomElement> SourceDocuments::Document::root()
{
    load();
    if (!m_exists)
        return std::nullopt;
    if (!m_error.isEmpty())
        throw CompileFailure(CompileErrorKind::UnreadableDocument,
                             QStringLiteral("Compile error: %1 cannot be read: %2").arg(m_displayName, m_error));
    return m_document.documentElement();
}

std::optional<QDomElement> SourceDocuments::Document::rootIfReadable()
{
    load();
    if (!m_exists || !m_error.isEmpty())
        return std::nullopt;
    return m_document.documentElement();
}

} // namespace compiler
