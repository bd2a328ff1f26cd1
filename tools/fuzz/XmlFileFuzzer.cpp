// Feeds arbitrary bytes to the XML readers every file of the program goes
// through: the document reader (settings), the ParGen.xml reader and the
// network reader, with the compiler's reading of the network into its records.
// Nothing may crash or hang, a document read whole
// nests no deeper than the limit, and no error quotes more than a short text.
#include "compiler/CompileError.h"
#include "compiler/NetworkReader.h"
#include "platform/Xml.h"
#include "platform/XmlStream.h"
#include "project/NetworkFile.h"
#include "project/ParGenFile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

// The parser's sentence, cut, and where it stopped.
constexpr qsizetype LongestError = 200;

int depthOf(const QDomElement &element)
{
    int deepest = 0;
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        deepest = std::max(deepest, depthOf(child));
    return deepest + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const platform::XmlLoadResult document = platform::parseXml(bytes);
    if (document.error.size() > LongestError)
        std::abort();
    if (document.ok() && depthOf(document.root()) > platform::MaxXmlDepth)
        std::abort();

    // A ParGen.xml reads as the document does: both or neither.
    const project::ParGenDocument parGen = project::parseParGenDocument(bytes, QStringLiteral("ParGen.xml"));
    if (parGen.error && parGen.error->message().size() > LongestError + 100)
        std::abort();
    if (parGen.ok() != document.ok())
        std::abort();
    if (parGen.ok()) {
        for (QDomElement child = document.root().firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
            if (parGen.texts.text(child.tagName()) != document.root().firstChildElement(child.tagName()).text())
                std::abort();
    }

    const project::NetworkReadResult network = project::parseNetwork(bytes, 7, QStringLiteral("M_Bus.xml"));
    if (network.error && network.error->message().size() > LongestError + 100)
        std::abort();

    compiler::NetworkElements elements;
    if (const auto error = compiler::readNetworkElements(bytes, elements); error && error->size() > LongestError)
        std::abort();
    for (const auto family : {compiler::NetworkFamily::SerialBoard, compiler::NetworkFamily::EthernetBoard,
                              compiler::NetworkFamily::SingleBank, compiler::NetworkFamily::TwoBanks}) {
        try {
            (void)compiler::readNetwork(&elements, family, true);
        } catch (const compiler::CompileFailure &) {
            // A fault of the file, reported as the compile's error.
        }
    }
    return 0;
}
