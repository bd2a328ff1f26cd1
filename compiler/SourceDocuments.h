#pragma once
// ParGen.xml and M_Bus.xml as one compile sees them. Each file is parsed at
// most once per compile, on first use; a missing file is no error, a file
// that exists but cannot be read as XML fails the compile.
#include "project/ParGenFile.h"

#include <QDomElement>
#include <QString>

#include <optional>

namespace compiler {

class SourceDocuments {
public:
    SourceDocuments(QString parGenPath, QString mBusPath);

    // ParGen.xml's texts, or null when the file does not exist.
    const project::ParGenTexts *parGen();
    // M_Bus.xml's root element, or nullopt when the file does not exist.
    std::optional<QDomElement> mBus() { return m_mBus.root(); }

    // ParGen.xml's texts when it exists and reads; null on any failure.
    const project::ParGenTexts *parGenIfReadable();

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

    void loadParGen();

    QString m_parGenPath;
    std::optional<project::ParGenDocument> m_parGen;
    Document m_mBus;
};

} // namespace compiler
