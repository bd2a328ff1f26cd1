// Feeds arbitrary bytes to the reader of the grid's XML form: the tree the
// bytes give, within the platform's limits of depth and attributes. Nothing
// may crash, hang or read outside the bytes; and every text read, written
// back as the grid writes a cell, reads back the same.
#include "controls/grid/model/core/GridXml.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace controls;

namespace {

// A cell text as the grid's writer and reader treat it.
void roundTrip(const QString &read)
{
    const QString text = unescapeXmlCellText(read);
    // "$amp;" cannot be told from an escaped "&": such texts have no
    // written form of their own.
    if (text.contains(QStringLiteral("$amp;")) || text.trimmed().isEmpty())
        return;
    QString plain;
    for (const QChar ch : text)
        if (ch.unicode() >= 0x20 || ch == u'\t' || ch == u'\n')
            plain += ch;
    if (plain != text || text.contains(u'\r'))
        return; // characters XML 1.0 cannot carry as they are
    const QByteArray file = "<L><R><F>" + escapeXmlCellText(text).toUtf8() + "</F></R></L>";
    TXmlParseError error;
    const auto tree = parseXmlTree(file, error);
    check(tree.has_value());
    check(unescapeXmlCellText(tree->children.at(0).children.at(0).allText()) == text);
}

void walk(const TXmlNode &node, int depth)
{
    check(depth <= 64);
    for (const auto &attribute : node.attributes)
        roundTrip(attribute.second);
    if (node.isText)
        roundTrip(node.text);
    for (const TXmlNode &child : node.children)
        walk(child, depth + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TXmlParseError error;
    if (const auto tree = parseXmlTree(bytes, error))
        walk(*tree, 0);
    else
        check(error.code != 0);
    return 0;
}
