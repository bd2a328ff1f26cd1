#include "app/ConverterType.h"
#include "project/ParGenFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

using project::ParGenValues;
using project::PollMode;

const QStringList addressBlock = {"IP_1", "IP_2", "IP_3", "IP_4", "SM_1", "SM_2",
                                  "SM_3", "SM_4", "GA_1", "GA_2", "GA_3", "GA_4"};

QStringList expectedElements(int type)
{
    switch (type) {
    case 1:
    case 1001:
        return QStringList{"Sel_Dev"} + addressBlock
               + QStringList{"Gat_Enable", "TCP_Port", "TCP_Conn_TimeOut", "Meter_Baud", "Meter_Par",
                             "Meter_Req_Type", "Meter_Req_Delay", "Node_State", "Enable_Use_Fix_C_Field",
                             "Use_Fix_C_Field_Value", "Reply_Exception_Until_First_Read",
                             "MBus_Convert_Float_Option_Words_Order"};
    case 2:
        return QStringList{"Sel_Dev", "Sel_Dev_MBus_Present", "Mod_Ser", "Mod_Baud", "Mod_Par", "Mod_Id",
                           "Mod_StopBit", "Mod_Protocol", "Meter_Baud", "Meter_Par", "Meter_Req_Type",
                           "Meter_Req_Delay", "Node_State", "Enable_Use_Fix_C_Field", "Use_Fix_C_Field_Value",
                           "MBus_Convert_Float_Option_Words_Order"}
               + addressBlock + QStringList{"Gat_Enable"};
    case 3:
        return QStringList{"Sel_Dev", "Sel_Dev_MBus_Present", "Mod_Ser", "Mod_Baud", "Mod_Par", "Mod_Id",
                           "Mod_StopBit", "Mod_Protocol", "Meter_Baud", "Meter_Par", "Meter_Req_Type",
                           "Meter_Req_Delay", "Node_State", "MBus_Convert_Float_Option_Words_Order"}
               + addressBlock + QStringList{"Gat_Enable"};
    case 4:
        return {"Mod_Ser", "Mod_Baud", "Mod_Par", "Mod_Id", "Mod_StopBit", "Mod_Protocol", "Meter_Baud",
                "Meter_Par", "Meter_Req_Type", "Meter_Req_Delay", "Node_State", "MBUS_Ser"};
    case 5:
        return {"Mod_Ser", "Mod_Baud", "Mod_Par", "Mod_Id", "Mod_StopBit", "Mod_Protocol", "Meter_Baud",
                "Meter_Par", "Meter_Req_Type", "Meter_Req_Delay", "Node_State"};
    case 6:
        return QStringList{"Sel_Dev_MBus_Present", "Mod_Ser", "Mod_Baud", "Mod_Par", "Mod_Id", "Mod_StopBit",
                           "wMBus_Mode", "wMBus_Radio_Channel", "MBus_Convert_Float_Option_Words_Order",
                           "Meter_Baud", "Meter_Par", "Meter_Req_Type", "Meter_Req_Delay", "Node_State"}
               + addressBlock + QStringList{"Gat_Enable"};
    default: // 7, 1007
        return QStringList{"Sel_Dev_MBus_Present"} + addressBlock
               + QStringList{"Gat_Enable", "TCP_Port", "TCP_Conn_TimeOut", "wMBus_Mode", "wMBus_Radio_Channel",
                             "MBus_Convert_Float_Option_Words_Order", "Meter_Baud", "Meter_Par",
                             "Meter_Req_Type", "Meter_Req_Delay", "Node_State"};
    }
}

QString expectedComment(int type)
{
    const std::map<int, QString> versions = {{1, "2.306"}, {1001, "2.306"}, {2, "3.212"}, {3, "2.012"},
                                             {4, "3.000"}, {5, "3.000"},    {6, "1.518"}, {7, "1.518"},
                                             {1007, "1.518"}};
    return "SW_VERSION = " + versions.at(type);
}

// What a file without the element reads as, before the fixed values.
const std::map<QString, QString> defaults = {
    {"Sel_Dev", "0"},         {"Sel_Dev_MBus_Present", "0"},
    {"IP_1", "192"},          {"IP_2", "168"},
    {"IP_3", "0"},            {"IP_4", "10"},
    {"SM_1", "255"},          {"SM_2", "255"},
    {"SM_3", "255"},          {"SM_4", "0"},
    {"GA_1", "192"},          {"GA_2", "168"},
    {"GA_3", "0"},            {"GA_4", "1"},
    {"Gat_Enable", "0"},      {"TCP_Port", "502"},
    {"TCP_Conn_TimeOut", "2"}, {"Mod_Ser", "1"},
    {"Mod_Baud", "7"},        {"Mod_Par", "0"},
    {"Mod_Id", "1"},          {"Mod_StopBit", "0"},
    {"Mod_Protocol", "0"},    {"Meter_Baud", "3"},
    {"Meter_Par", "1"},       {"Meter_Req_Type", "1"},
    {"Meter_Req_Delay", "100"}, {"Node_State", "0xFF"},
    {"Enable_Use_Fix_C_Field", "0"}, {"Use_Fix_C_Field_Value", "0"},
    {"Reply_Exception_Until_First_Read", "0"}, {"MBus_Convert_Float_Option_Words_Order", "0"},
    {"MBUS_Ser", "1"},        {"wMBus_Mode", "0"},
    {"wMBus_Radio_Channel", "0"},
};

// The values some types always write.
QString expectedFixed(int type, const QString &name)
{
    if (name == "Sel_Dev_MBus_Present" && (type == 2 || type == 3))
        return "1";
    if (name == "Mod_Ser" && type == 5)
        return "1";
    if (name == "Meter_Req_Type" && app::isWirelessType(type))
        return "0";
    return {};
}

struct Written {
    QStringList names;
    QStringList texts;
    QString rootName;
    QString comment;
};

Written parseWritten(const QByteArray &bytes)
{
    Written w;
    QDomDocument doc;
    EXPECT_TRUE(doc.setContent(bytes)) << bytes.toStdString();
    EXPECT_EQ(doc.childNodes().size(), 2) << "root and comment only";
    w.rootName = doc.firstChild().nodeName();
    w.comment = doc.lastChild().toComment().data();
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        w.names << e.tagName();
        w.texts << e.text();
        EXPECT_FALSE(e.hasAttributes());
    }
    return w;
}

class ParGenFile : public ::testing::TestWithParam<int> {
protected:
    int type() const { return GetParam(); }
    QString path() const { return dir.filePath("ParGen.xml"); }
    QTemporaryDir dir;
};

TEST_P(ParGenFile, WithoutAFileEveryElementOfTheTypeIsWrittenInOrderWithItsDefault)
{
    const auto read = project::readParGenFile(path(), type());
    EXPECT_TRUE(read.ok());
    EXPECT_TRUE(read.fileMissing);

    ASSERT_FALSE(project::writeParGenFile(path(), read.values));
    const QByteArray bytes = testsupport::readFile(path());
    EXPECT_FALSE(bytes.startsWith("<?xml"));
    const Written w = parseWritten(bytes);
    EXPECT_EQ(w.rootName, "GeneralParameter");
    EXPECT_EQ(w.comment, expectedComment(type()));
    EXPECT_EQ(w.names, expectedElements(type()));
    for (int i = 0; i < w.names.size(); ++i) {
        const QString fixed = expectedFixed(type(), w.names[i]);
        EXPECT_EQ(w.texts[i], fixed.isEmpty() ? defaults.at(w.names[i]) : fixed) << w.names[i].toStdString();
    }
}

TEST_P(ParGenFile, ValuesComeBackAsTypedAndFixedValuesWinOverTheFile)
{
    // Every element of every type in one file, each with a non-default value.
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- before -->\n<GeneralParameter>";
    std::map<QString, QString> typed;
    for (const auto &[name, def] : defaults) {
        const auto *element = project::findParGenElement(type(), name);
        QString value;
        if (!element || element->encoding == project::ParGenEncoding::Text)
            value = name == "Node_State" ? "0x0A" : " 0" + def + " x"; // kept as typed, blanks included
        else if (element->encoding == project::ParGenEncoding::Index)
            value = QString::number((def.toInt() + 1) % element->items.size());
        else if (element->encoding == project::ParGenEncoding::Flag)
            value = "1";
        else
            value = "0";
        typed[name] = value;
        xml += "<" + name.toUtf8() + ">" + value.toUtf8() + "</" + name.toUtf8() + ">";
    }
    xml += "</GeneralParameter>\n<!--SW_VERSION = 0.000-->\n";
    testsupport::writeFile(path(), xml);

    const auto read = project::readParGenFile(path(), type());
    ASSERT_TRUE(read.ok()) << read.error->message().toStdString();
    ASSERT_FALSE(project::writeParGenFile(path(), read.values));
    const Written w = parseWritten(testsupport::readFile(path()));
    ASSERT_EQ(w.names, expectedElements(type()));
    for (int i = 0; i < w.names.size(); ++i) {
        const QString fixed = expectedFixed(type(), w.names[i]);
        EXPECT_EQ(w.texts[i], fixed.isEmpty() ? typed.at(w.names[i]) : fixed) << w.names[i].toStdString();
    }
    EXPECT_EQ(project::readParGenFile(path(), type()).values, read.values);
}

TEST_P(ParGenFile, EachUnreadableValueFallsBackOnItsOwn)
{
    testsupport::writeFile(path(), "<GeneralParameter><Meter_Baud>abc</Meter_Baud><!-- c -->text"
                                   "<Meter_Par>2</Meter_Par><Gat_Enable>true</Gat_Enable>"
                                   "<Mod_Baud>-3</Mod_Baud><IP_1/></GeneralParameter>");
    const ParGenValues v = project::readParGenFile(path(), type()).values;
    if (v.contains("Meter_Baud")) {
        EXPECT_EQ(v.index("Meter_Baud"), 3); // not a number: default
        EXPECT_EQ(v.index("Meter_Par"), 2);
        EXPECT_EQ(v.text("Node_State"), "0xFF"); // missing: default
    }
    if (v.contains("Gat_Enable")) {
        EXPECT_FALSE(v.flag("Gat_Enable"));
        EXPECT_EQ(v.text("IP_1"), ""); // empty stays empty
        EXPECT_EQ(v.text("IP_2"), "168");
    }
    if (v.contains("Mod_Baud")) {
        EXPECT_EQ(v.index("Mod_Baud"), -1); // a number the list does not have: nothing chosen
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, ParGenFile, ::testing::ValuesIn(app::AllConverterTypes));

TEST(ParGenConversions, IndexesFlagsAndPollingModesReadAsTheDialogStoresThem)
{
    struct Case {
        int type;
        const char *element;
        const char *fileText;
        const char *written;
    };
    const Case cases[] = {
        {1, "Meter_Baud", "12", "-1"},
        {1, "Meter_Baud", "0x5", "5"},
        {1, "Meter_Baud", "  7", "7"},
        {1, "Meter_Baud", "7 ", "3"},
        {1, "Gat_Enable", "01", "0"},
        {1, "Gat_Enable", "1", "1"},
        {1, "Node_State", "0xFF", "0xFF"},
        {1, "Meter_Req_Type", "1", "1"},
        {1, "Meter_Req_Type", "2", "0"},
        {1001, "Meter_Req_Type", " 1", "0"},
        {4, "Meter_Req_Type", "0", "0"},
        {2, "Meter_Req_Type", "0", "0"},
        {2, "Meter_Req_Type", "2", "2"},
        {3, "Meter_Req_Type", "x", "2"},
        {3, "Meter_Req_Type", "", "2"},
        {6, "Meter_Req_Type", "1", "0"},
        {7, "Sel_Dev_MBus_Present", "1", "1"},
        {3, "Sel_Dev_MBus_Present", "0", "1"},
        {5, "Mod_Ser", "0", "1"},
        {4, "Mod_Ser", "0", "0"},
    };
    for (const Case &c : cases) {
        const auto read = project::parseParGenDocument(
            QStringLiteral("<Anything><%1>%2</%1></Anything>").arg(c.element, c.fileText).toUtf8(), "ParGen.xml");
        ASSERT_TRUE(read.ok());
        const ParGenValues v = project::parGenValuesFrom(read.texts, c.type);
        EXPECT_EQ(v.text(c.element), c.written) << c.type << " " << c.element << " '" << c.fileText << "'";
    }
}

TEST(ParGenConversions, SettersKeepTheEncodingAndRefuseWhatTheTypeCannotHold)
{
    ParGenValues v(2);
    EXPECT_TRUE(v.setPolls(PollMode::Passive));
    EXPECT_EQ(v.text("Meter_Req_Type"), "2");
    EXPECT_TRUE(v.setIndex("Mod_Protocol", 4));
    EXPECT_TRUE(v.setFlag("Enable_Use_Fix_C_Field", true));
    EXPECT_TRUE(v.setText("IP_1", "0x0A"));
    EXPECT_EQ(v.text("IP_1"), "0x0A");
    EXPECT_FALSE(v.setIndex("IP_1", 2));               // not an index
    EXPECT_FALSE(v.setText("wMBus_Mode", "1"));        // not an element of type 2
    EXPECT_FALSE(v.setIndex("Sel_Dev_MBus_Present", 0)); // fixed for type 2
    EXPECT_EQ(v.text("Sel_Dev_MBus_Present"), "1");

    ParGenValues one(1);
    one.setPolls(PollMode::Passive); // type 1 has no passive mode
    EXPECT_EQ(one.polls(), PollMode::Cyclic);
    EXPECT_EQ(one.text("Meter_Req_Type"), "0");

    EXPECT_EQ(ParGenValues(7).polls(), PollMode::Cyclic);
}

TEST(ParGenRead, AFileOfAnotherTypeReadsWithoutComplaint)
{
    ParGenValues seven(7);
    seven.setText("TCP_Port", "1502");
    seven.setIndex("Meter_Baud", 5);
    const QByteArray bytes = platform::serializeXml(project::parGenDocument(seven));
    const auto read = project::parseParGenDocument(bytes, "ParGen.xml");
    ASSERT_TRUE(read.ok());
    const ParGenValues four = project::parGenValuesFrom(read.texts, 4);
    EXPECT_EQ(four.index("Meter_Baud"), 5);
    EXPECT_EQ(four.index("Mod_Baud"), 7); // missing: default
    EXPECT_FALSE(four.contains("TCP_Port"));
}

TEST(ParGenRead, AFileThatCannotBeReadIsAnErrorAndIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ParGen.xml");
    for (const QByteArray &broken : {QByteArray("<GeneralParameter><Sel_Dev>1</Sel_Dev>"),
                                     testsupport::nestedXml("GeneralParameter", 100000)}) {
        testsupport::writeFile(path, broken);
        const auto read = project::readParGenFile(path, 1);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error->kind, project::FileError::Kind::NotWellFormed);
        EXPECT_TRUE(read.error->message().contains("ParGen.xml"));
        EXPECT_EQ(testsupport::readFile(path), broken);
    }

    const QString folder = dir.filePath("folder.xml");
    ASSERT_TRUE(QDir().mkdir(folder));
    const auto unreadable = project::readParGenFile(folder, 1);
    ASSERT_FALSE(unreadable.ok());
    EXPECT_EQ(unreadable.error->kind, project::FileError::Kind::Unreadable);
}

TEST(ParGenRead, EachElementReadsAsTheDocumentTreeReadsIt)
{
    // What a document tree gives as the text of the root's first child of
    // each name: the one-pass reader must give the same.
    const QByteArray cases[] = {
        "<X><IP_1>10</IP_1><IP_1>11</IP_1></X>",
        "<X>\n  <IP_1> 10 </IP_1>\n  <IP_2>\n  </IP_2>\n</X>",
        "<X><IP_1>1<b>2</b>3<c><d>4</d></c></IP_1></X>",
        "<X><IP_1><![CDATA[<5>]]>&amp;&#65;</IP_1><IP_2/></X>",
        "<?xml version=\"1.0\"?><!--c--><X a=\"1\"><p:IP_1 xmlns:p=\"u\">7</p:IP_1><IP_1>8</IP_1></X><!--SW-->",
        "<X>text of the root<IP_1>9<!--note-->0</IP_1></X>",
        "<X><IP_1>caf\xc3\xa9</IP_1><Sel_Dev>0x1</Sel_Dev></X>",
    };
    const QStringList names{"IP_1", "IP_2", "p:IP_1", "Sel_Dev", "b", "X", "missing"};
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.toStdString());
        QDomDocument tree;
        ASSERT_TRUE(tree.setContent(bytes));
        const auto read = project::parseParGenDocument(bytes, "ParGen.xml");
        ASSERT_TRUE(read.ok());
        for (const QString &name : names) {
            const QDomElement element = tree.documentElement().firstChildElement(name);
            const std::optional<QString> expected =
                element.isNull() ? std::nullopt : std::optional<QString>(element.text());
            EXPECT_EQ(read.texts.text(name), expected) << name.toStdString();
        }
    }
}

TEST(ParGenRead, DamagedFilesAreRefusedWithTheirReason)
{
    const struct {
        QByteArray bytes;
        const char *told;
    } cases[] = {
        {"", "Premature end of document"},
        {"<!--only a comment-->", "Premature end of document"},
        {"<X><IP_1>10</IP_1>", "(line 1"},
        {"<X><IP_1>10</IP_2></X>", "(line 1"},
        {"<X/><Y/>", "(line 1"},
        {"<X><IP_1>&nope;</IP_1></X>", "(line 1"},
        {testsupport::nestedXml("X", 40), "nested deeper than 32"},
        {"<X><IP_1>10</IP_1></X>" + QByteArray(100, '<'), "(line 1"},
        {"<X><IP_1" + QByteArray(" a=''").repeated(5000) + ">10</IP_1></X>", "more than 1024 attributes"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.left(60).toStdString());
        const auto read = project::parseParGenDocument(c.bytes, "/p/ParGen.xml");
        ASSERT_FALSE(read.ok());
        ASSERT_TRUE(read.error);
        EXPECT_EQ(read.error->kind, project::FileError::Kind::NotWellFormed);
        EXPECT_TRUE(read.error->message().contains("ParGen.xml")) << read.error->message().toStdString();
        EXPECT_TRUE(read.error->message().contains(QLatin1String(c.told))) << read.error->message().toStdString();
        EXPECT_LT(read.error->message().size(), 400);
        EXPECT_EQ(read.texts.text("IP_1"), std::nullopt); // nothing half-read is offered
    }
}

TEST(ParGenWrite, AFailedWriteIsReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gone/ParGen.xml");
    const auto error = project::writeParGenFile(path, ParGenValues(1));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, project::FileError::Kind::WriteFailed);
    EXPECT_TRUE(error->message().startsWith("Cannot create file \"")) << error->message().toStdString();
}

TEST(ParGenLookup, FindsSingleElementsByNameForOtherReaders)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ParGen.xml");
    EXPECT_TRUE(project::ParGenLookup(path).fileMissing());
    EXPECT_EQ(project::ParGenLookup(path).integer("Sel_Dev"), std::nullopt);

    testsupport::writeFile(path, "<?xml version=\"1.0\"?><X><IP_1>10</IP_1><Sel_Dev>0x1</Sel_Dev>"
                                 "<IP_3>x</IP_3><Sel_Dev>0</Sel_Dev></X>");
    const project::ParGenLookup lookup(path);
    EXPECT_FALSE(lookup.error());
    EXPECT_EQ(lookup.integer("Sel_Dev"), 1); // the first one counts
    EXPECT_EQ(lookup.text("IP_1"), QString("10"));
    EXPECT_EQ(lookup.text("IP_3"), QString("x"));
    EXPECT_EQ(lookup.integer("IP_3"), std::nullopt);
    EXPECT_EQ(lookup.text("IP_2"), std::nullopt);

    testsupport::writeFile(path, "<X><Sel_Dev>1</Sel_Dev>");
    EXPECT_TRUE(project::ParGenLookup(path).error());
}

} // namespace
