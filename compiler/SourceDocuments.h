#pragma once
// ParGen.xml and M_Bus.xml as one compile sees them. Each file is parsed at
// most once per compile, on first use; a missing file is no error, a file
// that exists but cannot be read as XML fails the compile. ParGen.xml comes
// as its texts through its own reader; M_Bus.xml can be large and is streamed.
#include "compiler/NetworkElements.h"
#include "project/ParGenFile.h"

#include <QString>

#include <optional>

namespace compiler {

class SourceDocuments {
public:
    SourceDocuments(QString parGenPath, QString mBusPath);

    // ParGen.xml's texts, or null when the file does not exist.
    const project::ParGenTexts *parGen();
    // Nil when the file does not exist.
    const NetworkElements *mBus();

    // ParGen.xml's texts when it exists and reads; null on any failure.
    const project::ParGenTexts *parGenIfReadable();

private:
    void loadParGen();

    QString m_parGenPath;
    std::optional<project::ParGenDocument> m_parGen;
    QString m_mBusPath;
    bool m_mBusLoaded = false;
    bool m_mBusExists = false;
    QString m_mBusError;
    NetworkElements m_network;
};

} // namespace compiler
