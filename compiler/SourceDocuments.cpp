#include "compiler/SourceDocuments.h"

#include "compiler/CompileError.h"
#include "platform/FileRead.h"
#include "platform/Xml.h"

namespace compiler {

SourceDocuments::SourceDocuments(QString parGenPath, QString mBusPath)
    : m_parGen(std::move(parGenPath), QStringLiteral("ParGen.xml")),
      m_mBusPath(std::move(mBusPath))
{
}

const NetworkElements *SourceDocuments::mBus()
{
    if (!m_mBusLoaded) {
        m_mBusLoaded = true;
        platform::FileRead file = platform::readWholeFile(m_mBusPath);
        m_mBusExists = !file.missing;
        if (!file.ok())
            m_mBusError = file.error;
        else if (auto error = readNetworkElements(file.bytes, m_network))
            m_mBusError = *error;
    }
    if (!m_mBusExists)
        return nullptr;
    if (!m_mBusError.isEmpty())
        throw CompileFailure(CompileErrorKind::UnreadableDocument,
                             QStringLiteral("Compile error: M_Bus.xml cannot be read: %1").arg(m_mBusError));
    return &m_network;
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
