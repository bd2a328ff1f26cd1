#include "compiler/SourceDocuments.h"

#include "compiler/CompileError.h"
#include "platform/FileRead.h"

namespace compiler {

SourceDocuments::SourceDocuments(QString parGenPath, QString mBusPath)
    : m_parGenPath(std::move(parGenPath)), m_mBusPath(std::move(mBusPath))
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

} // namespace compiler
