#include "platform/AtomicFile.h"
#include "platform/QuotedValue.h"
#include "platform/Xml.h"
#include "platform/XmlStream.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

TEST(XmlWrite, KeepsTheOrderAttributesAndChildrenWereAddedIn)
{
    platform::XmlOutDocument doc;
    doc.root.name = "Root";
    auto &node = doc.root.addChild("Nodo");
    node.setAttribute("Z", "1").setAttribute("A", "x<&\">y").setAttribute("M", "");
    node.setAttribute("Z", "2"); // replaced in place, keeps its position
    doc.root.addTextChild("Text", "a & b");
    doc.root.addChild("Empty");
    doc.commentsAfterRoot << "SW_VERSION = 2.306";

    const QByteArray expected = "<Root>\n"
                                "  <Nodo Z=\"2\" A=\"x&lt;&amp;&quot;&gt;y\" M=\"\"/>\n"
                                "  <Text>a &amp; b</Text>\n"
                                "  <Empty/>\n"
                                "</Root>\n"
                                "<!--SW_VERSION = 2.306-->\n";
    EXPECT_EQ(platform::serializeXml(doc), expected);
}

TEST(XmlRead, FirstElementIsTheRootEvenAfterADeclarationOrComment)
{
    const auto r = platform::parseXml("<?xml version=\"1.0\"?>\n<!--c--><Conf><a>1</a><!--x--><b/>text</Conf>");
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.root().tagName(), "Conf");
    const auto kids = platform::childElements(r.root());
    ASSERT_EQ(kids.size(), 2);
    EXPECT_EQ(platform::childText(r.root(), "a"), QString("1"));
    EXPECT_EQ(platform::childText(r.root(), "zz"), std::nullopt);
}

TEST(XmlRead, RoundTripsValuesThatNeedEscaping)
{
    platform::XmlOutDocument doc;
    doc.root.name = "R";
    doc.root.addChild("V").setAttribute("t", "line1\nline2\t<&>\"'\r\n");
    doc.root.addTextChild("T", "a\r\nb\rc\td<&>\"'");
    const auto r = platform::parseXml(platform::serializeXml(doc));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.root().firstChildElement("V").attribute("t"), "line1\nline2\t<&>\"'\r\n");
    EXPECT_EQ(r.root().firstChildElement("T").text(), "a\r\nb\rc\td<&>\"'");
}

TEST(XmlWrite, LeavesOutCharactersXmlCannotCarrySoTheFileStaysReadable)
{
    platform::XmlOutDocument doc;
    doc.root.name = "R";
    const QString bad = QString("a") + QChar(0x01) + "b" + QChar(0xD800) + "c" + QChar(0xFFFF)
                        + QString::fromUtf8("\xF0\x9F\x98\x80") + QChar(0xDC00);
    doc.root.addChild("V").setAttribute("t", bad);
    doc.root.addTextChild("T", bad);
    const auto r = platform::parseXml(platform::serializeXml(doc));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QString kept = QString("abc") + QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(r.root().firstChildElement("V").attribute("t"), kept);
    EXPECT_EQ(r.root().firstChildElement("T").text(), kept);
}

TEST(XmlRead, ReportsMalformedAndMissingFiles)
{
    EXPECT_FALSE(platform::parseXml("<a><b></a>").ok());
    EXPECT_FALSE(platform::parseXml("").ok());
    const auto missing = platform::loadXmlFile("/nonexistent/dir/file.xml");
    EXPECT_TRUE(missing.missing);
}

// The document tree takes time quadratic in the depth: a file nested without
// end is refused by the depth alone, before the tree is built.
TEST(XmlRead, ADocumentNestedDeeperThanTheLimitIsNotWellFormed)
{
    // nestedXml(n) opens n + 1 elements.
    const auto atLimit = platform::parseXml(testsupport::nestedXml("Conf", platform::MaxXmlDepth - 1));
    EXPECT_TRUE(atLimit.ok()) << atLimit.error.toStdString();
    struct Case {
        const char *name;
        int levels;
    };
    for (const Case &c : {Case{"one too deep", platform::MaxXmlDepth}, Case{"100,000 levels", 100000}}) {
        const auto r = platform::parseXml(testsupport::nestedXml("Conf", c.levels));
        EXPECT_FALSE(r.ok()) << c.name;
        EXPECT_FALSE(r.missing) << c.name;
        EXPECT_TRUE(r.root().isNull()) << c.name;
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Elements are nested deeper than %1 levels. (line 1, column ")
                                           .arg(platform::MaxXmlDepth)))
            << r.error.toStdString();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("deep.xml");
    const QByteArray deep = testsupport::nestedXml("Conf", 100000);
    testsupport::writeFile(path, deep);
    EXPECT_FALSE(platform::loadXmlFile(path).ok());
    EXPECT_EQ(testsupport::readFile(path), deep);
}

TEST(XmlStream, CountsTheDepthAndStopsBeyondTheLimit)
{
    platform::XmlStream ok("<r><n><v/></n><n/></r>");
    QList<int> depths;
    while (!ok.atEnd())
        if (ok.readNext() == QXmlStreamReader::StartElement)
            depths << ok.depth();
    EXPECT_FALSE(ok.hasError());
    EXPECT_EQ(depths, (QList<int>{1, 2, 3, 2}));

    platform::XmlStream deep(testsupport::nestedXml("r", 100000));
    deep.readToEnd();
    EXPECT_TRUE(deep.hasError());
    EXPECT_TRUE(deep.tooDeep());
    EXPECT_EQ(deep.depth(), platform::MaxXmlDepth + 1);
}

TEST(XmlStream, ATagWithMoreAttributesThanTheLimitIsRefusedBeforeTheParse)
{
    const auto tag = [](int attributes) {
        QByteArray bytes = "<R><N";
        for (int i = 0; i < attributes; ++i)
            bytes += " a" + QByteArray::number(i) + "='x=y'";
        return bytes + "/></R>";
    };
    EXPECT_FALSE(platform::hasStartTagWithMoreAttributes(tag(platform::MaxXmlAttributes), platform::MaxXmlAttributes));
    EXPECT_TRUE(platform::hasStartTagWithMoreAttributes(tag(platform::MaxXmlAttributes + 1), platform::MaxXmlAttributes));

    // Equals signs that are no attributes do not count.
    const QByteArray many(50, '=');
    const QByteArray notAttributes[] = {
        "<R>" + many + "</R>",
        "<R><!--" + many + "--></R>",
        "<R><![CDATA[" + many + "]]></R>",
        "<?pi " + many + "?><R/>",
        "<!DOCTYPE R [<!ENTITY e '" + many + "'>]><R/>",
        "<R a=\"" + many + "\" b='" + many + "'/>",
        "<R a='" + many, // a value that never closes
    };
    for (const QByteArray &bytes : notAttributes)
        EXPECT_FALSE(platform::hasStartTagWithMoreAttributes(bytes, 3)) << bytes.toStdString();
    EXPECT_TRUE(platform::hasStartTagWithMoreAttributes("<R><!-- > --><N a='1' b='2' c='3' d='4'/></R>", 3));
    // A '>' or the other quote inside a value does not end the tag or the value.
    EXPECT_TRUE(platform::hasStartTagWithMoreAttributes("<R><N a='>\"' b=\"'>\" c='3' d='4'/></R>", 3));

    // The quick pass that finds no long stretch between tags must not hide
    // one: attributes behind a comment's or a value's '>' still count.
    EXPECT_TRUE(platform::hasStartTagWithMoreAttributes("<R><!-- > --><N a='1' b='2' c='3' d='4' e='5'/></R>", 3));
    // Values holding '<' split the stretches, but the parser stops at the
    // first such value, before it has many attributes to compare.
    QByteArray split = "<R><N";
    for (int i = 0; i < 50; ++i)
        split += " a" + QByteArray::number(i) + "='<'";
    split += "/></R>";
    EXPECT_FALSE(platform::hasStartTagWithMoreAttributes(split, 3));
    QXmlStreamReader splitReader(split);
    while (!splitReader.atEnd())
        splitReader.readNext();
    EXPECT_TRUE(splitReader.hasError());
    EXPECT_LT(splitReader.characterOffset(), 20);

    // Every reader refuses such a file at once, with the reason.
    const QByteArray huge = tag(100000);
    const platform::XmlLoadResult document = platform::parseXml(huge);
    EXPECT_FALSE(document.ok());
    EXPECT_TRUE(document.error.contains("more than 1024 attributes")) << document.error.toStdString();
    platform::XmlStream stream(huge);
    stream.readToEnd();
    EXPECT_TRUE(stream.hasError());
    EXPECT_TRUE(stream.beyondLimits());
}

TEST(XmlRead, AParserMessageQuotingAHugeNameStaysShort)
{
    const QByteArray name = testsupport::longValue().toLatin1();
    for (const QByteArray &xml : {"<Conf>&" + name + ";</Conf>", "<Conf><" + name + "></Conf>"}) {
        const auto dom = platform::parseXml(xml);
        ASSERT_FALSE(dom.ok());
        EXPECT_LT(dom.error.size(), 4 * platform::QuotedValueLength) << dom.error.toStdString();
        platform::XmlStream stream(xml);
        stream.readToEnd();
        ASSERT_TRUE(stream.hasError());
        EXPECT_LT(stream.errorText().size(), 4 * platform::QuotedValueLength) << stream.errorText().toStdString();
    }
}

TEST(XmlAppend, AddsAtTheEndOfTheRootAndKeepsEverythingElse)
{
    std::vector<platform::XmlElement> added(2);
    added[0].name = "Nodo";
    added[0].setAttribute("B", "2").setAttribute("A", "1");
    added[1].name = "Nodo";
    struct Case {
        const char *name;
        QByteArray in;
        QByteArray out;
    };
    const QByteArray newNodes = "  <Nodo B=\"2\" A=\"1\"/>\n  <Nodo/>\n";
    for (const Case &c : {
             Case{"as our writers leave it", "<Net>\n  <Nodo Z=\"9\" A=\"0\"/>\n</Net>\n<!--SW_VERSION = 2.306-->\n",
                  "<Net>\n  <Nodo Z=\"9\" A=\"0\"/>\n" + newNodes + "</Net>\n<!--SW_VERSION = 2.306-->\n"},
             Case{"declaration and comment first", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--made by hand--><Net k=\"v\"><!--x--><Nodo/></Net>",
                  "<!--made by hand-->\n<Net k=\"v\">\n  <!--x-->\n  <Nodo/>\n" + newNodes + "</Net>\n"},
             Case{"an empty root", "<Net/>", "<Net>\n" + newNodes + "</Net>\n"},
             Case{"prefixed names", "<n:Net xmlns:n=\"urn:x\"><n:Nodo a:b=\"1\"/></n:Net>",
                  "<n:Net xmlns:n=\"urn:x\">\n  <n:Nodo a:b=\"1\"/>\n" + newNodes + "</n:Net>\n"},
             Case{"another encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Net D=\"\xe9\"/>",
                  "<Net D=\"\xc3\xa9\">\n" + newNodes + "</Net>\n"},
         }) {
        const platform::XmlAppendResult r = platform::appendToRoot(c.in, added);
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error.toStdString();
        EXPECT_EQ(r.bytes, c.out) << c.name;
        EXPECT_TRUE(r.rootName.endsWith("Net")) << c.name;
    }
    // Nothing added: the document comes back in our layout.
    EXPECT_EQ(platform::appendToRoot("<Net><a>t</a></Net>", {}).bytes, "<Net>\n  <a>t</a>\n</Net>\n");
}

TEST(XmlAppend, RefusesWhatIsNotAWellFormedDocument)
{
    for (const QByteArray &bytes : {QByteArray(""), QByteArray("<!-- only -->"), QByteArray("<Net><Nodo></Net>"),
                                    QByteArray("<Net/><Net/>"), testsupport::nestedXml("Net", 100000)}) {
        const platform::XmlAppendResult r = platform::appendToRoot(bytes, std::vector<platform::XmlElement>(1));
        EXPECT_FALSE(r.ok()) << bytes.left(60).toStdString();
        EXPECT_TRUE(r.bytes.isEmpty());
        EXPECT_LT(r.error.size(), 4 * platform::QuotedValueLength);
    }
}

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.bin");
    ASSERT_TRUE(platform::writeFileAtomically(path, "old"));
    ASSERT_TRUE(platform::writeFileAtomically(path, "new"));
    EXPECT_EQ(testsupport::readFile(path), "new");

    QString error;
    EXPECT_FALSE(platform::writeFileAtomically(dir.filePath("no/such/dir/f.bin"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"f.bin"});
}

TEST(AtomicFile, ASetIsReplacedWholeOrNotAtAll)
{
    QTemporaryDir dir;
    testsupport::writeFile(dir.filePath("a.bin"), "old a");
    testsupport::writeFile(dir.filePath("b.bin"), "old b");
    QString failed;
    QString error;
    // The second file's folder does not exist: the first must not change either.
    EXPECT_FALSE(platform::writeFilesAtomically(
        {{dir.filePath("a.bin"), "new a"}, {dir.filePath("no/b.bin"), "new b"}}, &failed, &error));
    EXPECT_EQ(failed, dir.filePath("no/b.bin"));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(testsupport::readFile(dir.filePath("a.bin")), "old a");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.bin", "b.bin"}));

    EXPECT_TRUE(platform::writeFilesAtomically({{dir.filePath("a.bin"), "new a"}, {dir.filePath("b.bin"), "new b"}}));
    EXPECT_EQ(testsupport::readFile(dir.filePath("a.bin")), "new a");
    EXPECT_EQ(testsupport::readFile(dir.filePath("b.bin")), "new b");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.bin", "b.bin"}));
}

} // namespace
