#pragma once
// ParGen.xml and M_Bus.xml as one compile sees them. Each file is parsed at
// most once per compile, on first use; a missing file is no error, a file
// that exists but cannot be read as XML fails the compile. ParGen.xml is
// small and read as a document tree; M_Bus.xml can be large and is streamed.
#include "compiler/NetworkElements.h"

#include <QDomElement>
#include <QString>

#include <optional>

namespace compiler {

class SourceDocuments {
public:
    SourceDocuments(QString parGenPath, QString mBusPath);

    // The root element, or nullopt when the file does not exist.
    std::optional<QDomElement> parGen() { return m_parGen.root(); }
    // Nil when the file does not exist.
    const NetworkElements *mBus();

    // ParGen.xml's root when it exists and reads; nullopt on any failure.
    std::optional<QDomElement> parGenIfReadable() { return m_parGen.rootIfReadable(); }

private:
    class Document {
    public:
        Document(QString path, QString displayName);
        std::optional<QDomElement> root();
        std::optional<QDomElement> rootIfReadable();

    private:
        void load();
        QString m_path;
        QString m_displayName;
        bool m_loaded = false;
        bool m_exists = false;
        QString m_error;
        QDomDocument m_document;
    };

    Document m_parGen;
    QString m_mBusPath;
    bool m_mBusLoaded = false;
    bool m_mBusExists = false;
    QString m_mBusError;
    NetworkElements m_network;
};

} // namespace compiler
