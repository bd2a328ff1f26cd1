#include "app/ConverterType.h"
#include "project/NetworkFile.h"
#include "support/NetworkFixtures.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using project::FileError;
using project::TNodo;
using project::TNodoList;
using project::TVariabile;
using nettest::variable;

// Wired and wireless nodes, both kinds of address, disabled nodes and
// variables, time points, unit texts and every field away from its default.
TNodoList sampleNetwork()
{
    TNodoList net;

    TNodo heat;
    heat.Enable = 1;
    heat.Description = "Heat meter \"A\" & <B>";
    heat.Node_Pri = 5;
    heat.Node_Sec = 1;
    heat.Send_SNK = 1;
    heat.Reset_App = 1;
    heat.Node_State = 100;
    heat.Ident_Num = 102;
    heat.BCDtoINT_IN = 1;
    heat.Swap_Ident = 1;
    heat.Var_List_Type = 1;
    heat.Cut_After = 249;
    heat.Manufacturer_Spec = 110;
    heat.MSD_Length = 200;
    heat.MSD_Offset = 41;
    heat.Access_Number = 120;
    heat.MBus_Type = 1;
    TVariabile energy = variable("Energy (Wh)", 200);
    energy.Type_Of_Data = 0;
    energy.Function_Field = 3;
    energy.Dimension = 7;
    energy.Length = 191;
    energy.Unita = 10;
    energy.Modbus_Scale = 59999;
    energy.Storage_Number = 4294967295u;
    energy.Tariff = 0xFFFFF;
    energy.VIFE = 151;
    energy.BCDtoINT = true;
    energy.Conv_Float = true;
    energy.Force_Int32 = true;
    energy.Position = 512;
    energy.Post_Operation = 12;
    TVariabile time = variable("Time point", 300);
    time.Type_Of_Data = 20;
    time.TP_Mod_Regs = true;
    time.TP_Mod_Year = 59995;
    TVariabile ascii = variable(QString::fromUtf8("Volume m³ at 20 °C\twith tab"), 400);
    ascii.Enable = false;
    ascii.Type_Of_Data = 21;
    ascii.VIF_ASCII = QString::fromUtf8("m³/h  ");
    ascii.VIFE = 255;
    heat.Var_List = {energy, time, ascii};
    net.push_back(heat);

    TNodo water; // secondary address, disabled, no variables
    water.Enable = 0;
    water.Node_ID_Type = 1;
    water.Node_Pri = 1;
    water.Node_Sec = 99999999;
    water.MBus_Type = 1;
    net.push_back(water);

    TNodo radio; // a wireless meter
    radio.Enable = 1;
    radio.Description = "";
    radio.Node_Pri = 1;
    radio.Node_Sec = 1;
    radio.MBus_Type = 0;
    radio.wMBus_ManID = "0x2C2D";
    radio.wMBus_Add = "12345678";
    radio.wMBus_Ver = "$1B";
    radio.wMBus_DevType = "7";
    radio.wMBus_En_Key = 1;
    for (int i = 0; i < 16; ++i)
        radio.wMBus_Key[i] = i % 2 ? QString::number(i * 16) : QStringLiteral("0x%1").arg(i, 2, 16, QChar('0'));
    radio.RSSI = 130;
    radio.Node_State = -5;
    radio.Var_List = {variable("Volume", 140), variable("Flow", 142)};
    radio.Var_List[1].Enable = false;
    net.push_back(radio);
    return net;
}

// What a wired-only type keeps of a node read back.
TNodoList asReadBy(int type, TNodoList net)
{
    if (app::isWirelessType(type))
        return net;
    for (TNodo &n : net) {
        const TNodo blank;
        n.MBus_Type = blank.MBus_Type;
        n.wMBus_ManID = n.wMBus_Add = n.wMBus_Ver = n.wMBus_DevType = QString();
        n.wMBus_En_Key = 0;
        n.wMBus_Key = blank.wMBus_Key;
        n.RSSI = 0;
    }
    return net;
}

class NetworkFile : public ::testing::TestWithParam<int> {
protected:
    int type() const { return GetParam(); }
    QString path() const { return dir.filePath("M_Bus.xml"); }
    QTemporaryDir dir;
};

TEST_P(NetworkFile, ARoundTripGivesTheSameFileByteForByte)
{
    const TNodoList net = sampleNetwork();
    ASSERT_FALSE(project::writeNetworkFile(path(), net, type()));
    const QByteArray first = testsupport::readFile(path());

    const auto read = project::readNetworkFile(path(), type());
    ASSERT_TRUE(read.ok()) << read.error->message().toStdString();
    EXPECT_EQ(read.nodes, asReadBy(type(), net));

    ASSERT_FALSE(project::writeNetworkFile(path(), read.nodes, type()));
    EXPECT_EQ(testsupport::readFile(path()), first);
    EXPECT_TRUE(first.endsWith("</M-Bus_Network>\n<!--" + app::swVersionComment(type()).toUtf8() + "-->\n"));
    EXPECT_FALSE(first.startsWith("<?xml"));
}

TEST_P(NetworkFile, AttributesAreWrittenInOrderWithTheWirelessOnesOnlyForWirelessTypes)
{
    QDomDocument doc;
    ASSERT_TRUE(doc.setContent(project::serializeNetwork(sampleNetwork(), type())));
    EXPECT_EQ(doc.documentElement().tagName(), "M-Bus_Network");
    const QDomElement nodo = doc.documentElement().firstChildElement();
    EXPECT_EQ(nodo.tagName(), "Nodo");
    EXPECT_EQ(nodo.firstChildElement().tagName(), "Variabile");
    EXPECT_EQ(nodo.attributes().size(), app::isWirelessType(type()) ? 40 : 17);
    EXPECT_EQ(nodo.firstChildElement().attributes().size(), 20);
}

TEST_P(NetworkFile, ANodeWithoutAttributesReadsAsAnEnabledWiredNodeAtAddressOne)
{
    const auto read = project::parseNetwork("<M-Bus_Network><Nodo><Variabile Type=\"1\" Fun_Field=\"0\" Dim=\"2\" "
                                            "ModReg=\"9\"/></Nodo></M-Bus_Network>",
                                            type());
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.nodes.size(), 1u);
    TNodo expected;
    expected.Enable = 1;
    expected.Node_Pri = 1;
    expected.Node_Sec = 1;
    expected.MBus_Type = app::isWirelessType(type()) ? 1 : 0;
    TVariabile v;
    v.Type_Of_Data = 1;
    v.Dimension = 2;
    v.Modbus_Register = 9;
    v.Position = 1;
    expected.Var_List = {v};
    EXPECT_EQ(read.nodes[0], expected);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, NetworkFile, ::testing::ValuesIn(app::AllConverterTypes));

TEST(NetworkWrite, WritesTheExactFile)
{
    TNodoList net(1);
    TNodo &n = net[0];
    n.Enable = 1;
    n.Description = "Heat & <co>";
    n.Node_Pri = 5;
    n.Node_Sec = 12345678;
    n.Node_State = -1;
    n.Cut_After = 2;
    n.MBus_Type = 1;
    n.wMBus_Key[2] = "255";
    n.RSSI = 9;
    n.Var_List = {variable("E", 103)};
    n.Var_List[0].Storage_Number = 4294967295u;
    n.Var_List[0].VIF_ASCII = "m3";

    const QByteArray wiredNode = "<Nodo Node_Enable=\"1\" ID_Primary=\"5\" ID_Secondary=\"12345678\" "
                                 "Descrizione=\"Heat &amp; &lt;co&gt;\" Send_SND_NKE=\"0\" Reset_App=\"0\" "
                                 "Node_State=\"-1\" Ident_Num=\"0\" BCDtoINT_IN=\"0\" Swap_IN=\"0\" "
                                 "Node_ID_Type=\"0\" Var_List_Type=\"0\" Cut_After=\"2\" "
                                 "Manufacturer_Specific_Data=\"0\" MSD_Length=\"0\" MSD_Offset=\"0\" "
                                 "Access_Number=\"0\"";
    const QByteArray wireless = " MBus_Type=\"1\" wMBus_ManID=\"\" wMBus_Add=\"\" wMBus_Ver=\"\" "
                                "wMBus_DevType=\"\" wMBus_En_Key=\"0\" wMBus_Key_1=\"\" wMBus_Key_2=\"\" "
                                "wMBus_Key_3=\"255\" wMBus_Key_4=\"\" wMBus_Key_5=\"\" wMBus_Key_6=\"\" "
                                "wMBus_Key_7=\"\" wMBus_Key_8=\"\" wMBus_Key_9=\"\" wMBus_Key_10=\"\" "
                                "wMBus_Key_11=\"\" wMBus_Key_12=\"\" wMBus_Key_13=\"\" wMBus_Key_14=\"\" "
                                "wMBus_Key_15=\"\" wMBus_Key_16=\"\" wMBus_RSSI=\"9\"";
    const QByteArray variableLine =
        "    <Variabile Enable=\"1\" Desc=\"E\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\" Unit=\"0\" ModReg=\"103\" "
        "ModScale=\"0\" StoNumber=\"4294967295\" Tariff=\"0\" VIFE=\"0\" BCDtoINT=\"0\" VIF_ASCII=\"m3\" "
        "Length=\"0\" Conv_Float=\"0\" Force_Int32=\"0\" TP_Mod_Regs=\"0\" TP_Mod_Year=\"0\" Position=\"1\" "
        "Post_Operation=\"0\"/>\n";

    EXPECT_EQ(project::serializeNetwork(net, 1), "<M-Bus_Network>\n  " + wiredNode + ">\n" + variableLine
                                                     + "  </Nodo>\n</M-Bus_Network>\n<!--SW_VERSION = 2.306-->\n");
    EXPECT_EQ(project::serializeNetwork(net, 7), "<M-Bus_Network>\n  " + wiredNode + wireless + ">\n"
                                                     + variableLine
                                                     + "  </Nodo>\n</M-Bus_Network>\n<!--SW_VERSION = 1.518-->\n");
    EXPECT_EQ(project::serializeNetwork({}, 2), "<M-Bus_Network/>\n<!--SW_VERSION = 3.212-->\n");
}

TEST(NetworkRead, TheLegacyIdIsTheAddressOfTheNodesKind)
{
    const auto read = project::parseNetwork(
        "<M-Bus_Network>"
        "<Nodo ID=\"12\" Node_ID_Type=\"1\" ID_Primary=\"7\" ID_Secondary=\"8\"/>"
        "<Nodo ID=\"0x0C\" ID_Primary=\"7\" ID_Secondary=\"8\"/>"
        "<Nodo ID=\"twelve\" Node_ID_Type=\"1\" ID_Primary=\"7\" ID_Secondary=\"8\"/>"
        "<Nodo ID=\"\" ID_Primary=\"x\"/>"
        "</M-Bus_Network>",
        1);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.nodes.size(), 4u);
    auto address = [&](int i) { return std::pair(read.nodes[i].Node_Pri, read.nodes[i].Node_Sec); };
    EXPECT_EQ(address(0), std::pair(1, 12));
    EXPECT_EQ(address(1), std::pair(12, 1));
    EXPECT_EQ(address(2), std::pair(7, 8));
    EXPECT_EQ(address(3), std::pair(1, 1));

    const QByteArray saved = project::serializeNetwork({read.nodes[0]}, 1);
    EXPECT_TRUE(saved.contains("ID_Primary=\"1\" ID_Secondary=\"12\""));
    EXPECT_FALSE(saved.contains(" ID=\""));
}

TEST(NetworkRead, NumbersKeepTheLowBitsOfTheirFieldAndBadOnesTakeTheirDefault)
{
    const auto read = project::parseNetwork(
        "<M-Bus_Network><Nodo Node_Enable=\"257\" Cut_After=\"300\" MSD_Length=\"-1\" Node_State=\"0x10\" "
        "Ident_Num=\"12abc\" Access_Number=\" 7\" Swap_IN=\"0xFFFFFFFF\" MBus_Type=\"x\">"
        "<Variabile Enable=\"true\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"1\" VIFE=\"511\" Position=\"65537\" "
        "Post_Operation=\"-1\" StoNumber=\"0xFFFFFFFF\" BCDtoINT=\"01\" Conv_Float=\"1\"/>"
        "<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"1\" StoNumber=\"4294967296\"/>"
        "<Variabile Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"1\" StoNumber=\"-1\"/>"
        "<Variabile Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"1\" StoNumber=\"lots\" Position=\"\"/>"
        "</Nodo></M-Bus_Network>",
        6);
    ASSERT_TRUE(read.ok());
    const TNodo &n = read.nodes.at(0);
    EXPECT_EQ(n.Enable, 1);
    EXPECT_EQ(n.Cut_After, 44);
    EXPECT_EQ(n.MSD_Length, 255);
    EXPECT_EQ(n.Node_State, 16);
    EXPECT_EQ(n.Ident_Num, 0);
    EXPECT_EQ(n.Access_Number, 7);
    EXPECT_EQ(n.Swap_Ident, -1);
    EXPECT_EQ(n.MBus_Type, 1);
    ASSERT_EQ(n.Var_List.size(), 4u);
    const TVariabile &v = n.Var_List[0];
    EXPECT_FALSE(v.Enable);
    EXPECT_EQ(v.VIFE, 255);
    EXPECT_EQ(v.Position, 1);
    EXPECT_EQ(v.Post_Operation, 255);
    EXPECT_EQ(v.Storage_Number, 4294967295u);
    EXPECT_FALSE(v.BCDtoINT);
    EXPECT_TRUE(v.Conv_Float);
    EXPECT_TRUE(n.Var_List[1].Enable);
    EXPECT_EQ(n.Var_List[1].Storage_Number, 0u);
    EXPECT_EQ(n.Var_List[2].Storage_Number, 0u);
    EXPECT_EQ(n.Var_List[3].Storage_Number, 0u);
    EXPECT_EQ(n.Var_List[3].Position, 1);
}

TEST(NetworkRead, AWiredTypeIgnoresTheWirelessAttributesAndDoesNotWriteThemBack)
{
    const QByteArray wirelessFile = project::serializeNetwork(sampleNetwork(), 7);
    const auto read = project::parseNetwork(wirelessFile, 1);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.nodes, asReadBy(1, sampleNetwork()));
    const QByteArray saved = project::serializeNetwork(read.nodes, 1);
    EXPECT_FALSE(saved.contains("wMBus"));
    EXPECT_FALSE(saved.contains("MBus_Type"));
}

TEST(NetworkRead, OnlyElementsCountAndADeclarationOrCommentBeforeTheRootChangesNothing)
{
    const QByteArray plain = project::serializeNetwork(sampleNetwork(), 6);
    QByteArray noisy = plain;
    noisy.replace("<Nodo ", "<!-- a comment -->text between\n<Nodo ");
    noisy.replace("<Variabile ", "<!-- v -->\n  text <Variabile ");
    noisy.prepend("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- written by hand -->\n");
    const auto read = project::parseNetwork(noisy, 6);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.nodes, sampleNetwork());
    EXPECT_EQ(project::serializeNetwork(read.nodes, 6), plain);
}

TEST(NetworkRead, AVariableWithoutARequiredNumberStopsTheReadingWithTheConversionError)
{
    struct Case {
        const char *attributes;
        const char *attribute;
        const char *text;
    };
    const Case cases[] = {
        {"Fun_Field=\"0\" Dim=\"0\" ModReg=\"1\"", "Type", ""},
        {"Type=\"0\" Fun_Field=\"zero\" Dim=\"0\" ModReg=\"1\"", "Fun_Field", "zero"},
        {"Type=\"0\" Fun_Field=\"0\" Dim=\"\" ModReg=\"1\"", "Dim", ""},
        {"Type=\"0\" Fun_Field=\"0\" Dim=\"0\"", "ModReg", ""},
        {"Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"4x\"", "ModReg", "4x"},
        {"Type=\"x\" Fun_Field=\"0\" Dim=\"0\"", "Type", "x"}, // the first in reading order is reported
    };
    for (const Case &c : cases) {
        const QByteArray xml = QByteArray("<M-Bus_Network><Nodo Descrizione=\"first\">"
                                          "<Variabile Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"1\"/></Nodo>"
                                          "<Nodo Descrizione=\"second\"><Variabile Type=\"0\" Fun_Field=\"0\" "
                                          "Dim=\"0\" ModReg=\"2\"/><Variabile ")
                               + c.attributes
                               + "/><Variabile Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"3\"/></Nodo>"
                                 "<Nodo Descrizione=\"third\"/></M-Bus_Network>";
        const auto read = project::parseNetwork(xml, 1, "/conf/M_Bus.xml");
        ASSERT_FALSE(read.ok()) << c.attributes;
        const FileError &e = *read.error;
        EXPECT_EQ(e.kind, FileError::Kind::NotAnInteger);
        EXPECT_EQ(e.attribute, c.attribute);
        EXPECT_EQ(e.detail, c.text);
        EXPECT_EQ(e.nodeIndex, 1);
        EXPECT_EQ(e.variableIndex, 1);
        EXPECT_EQ(e.path, "/conf/M_Bus.xml");
        // The message says where the value is, since the user must find it.
        EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value\n\nFile \"%2\", node 2, variable 2, "
                                              "attribute \"%3\".")
                                   .arg(c.text, QDir::toNativeSeparators("/conf/M_Bus.xml"), c.attribute));
        // What was read before the failure, nothing after it.
        ASSERT_EQ(read.nodes.size(), 2u);
        EXPECT_EQ(read.nodes[1].Var_List.size(), 1u);
    }
}

TEST(NetworkRead, AHugeValueThatIsNotANumberIsQuotedShort)
{
    const QString huge = testsupport::longValue();
    const QByteArray xml = "<M-Bus_Network><Nodo Descrizione=\"" + huge.toLatin1()
                           + "\"><Variabile Desc=\"" + huge.toLatin1() + "\" Type=\"" + huge.toLatin1()
                           + "\" Fun_Field=\"0\" Dim=\"0\"/></Nodo></M-Bus_Network>";
    const auto read = project::parseNetwork(xml, 1, "/conf/M_Bus.xml");
    ASSERT_FALSE(read.ok());
    const QString message = read.error->message();
    EXPECT_LT(message.size(), 200) << message.toStdString();
    EXPECT_TRUE(message.startsWith("'" + QString(60, u'x') + "…' is not a valid integer value"));
    EXPECT_TRUE(message.endsWith("node 1, variable 1, attribute \"Type\"."));
}

TEST(NetworkFileErrors, MissingMalformedAndUnwritableFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("M_Bus.xml");
    const auto missing = project::readNetworkFile(path, 1);
    EXPECT_TRUE(missing.ok());
    EXPECT_TRUE(missing.fileMissing);
    EXPECT_TRUE(missing.nodes.empty());

    // Not well-formed anywhere, also after a variable that stops the reading: refused whole.
    for (const QByteArray &bytes :
         {QByteArray("<M-Bus_Network><Nodo></M-Bus_Network>"), QByteArray(""), QByteArray("<!-- only -->"),
          QByteArray("<M-Bus_Network/><M-Bus_Network/>"),
          QByteArray("<M-Bus_Network><Nodo><Variabile/></Nodo><Nodo Descrizione=\"a&b\"/></M-Bus_Network>"),
          testsupport::nestedXml("M-Bus_Network", 100000)}) {
        testsupport::writeFile(path, bytes);
        const auto malformed = project::readNetworkFile(path, 1);
        ASSERT_FALSE(malformed.ok()) << bytes.left(100).toStdString();
        EXPECT_EQ(malformed.error->kind, FileError::Kind::NotWellFormed) << bytes.left(100).toStdString();
        EXPECT_EQ(testsupport::readFile(path), bytes);
        EXPECT_EQ(malformed.error->path, path);
        EXPECT_TRUE(malformed.nodes.empty());
        EXPECT_FALSE(malformed.fileMissing);
    }

    const auto error = project::writeNetworkFile(dir.filePath("gone/M_Bus.xml"), sampleNetwork(), 1);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::WriteFailed);
    EXPECT_TRUE(error->message().contains("M_Bus.xml"));
}

TEST(ImportNetwork, ReplacesTheFileOnlyWithANetworkThatReadsToTheEnd)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("M_Bus.xml");
    const QString good = dir.filePath("good.xml");
    const QString broken = dir.filePath("broken.xml");
    const QByteArray current = project::serializeNetwork({sampleNetwork()[1]}, 7);
    testsupport::writeFile(target, current);
    // Another writer's file: imported as it is, its extra attributes included.
    const QByteArray other = "<M-Bus_Network><Nodo ID=\"3\" SWAP=\"0\"><Variabile Type=\"0\" Fun_Field=\"0\" "
                             "Dim=\"0\" ModReg=\"1\"/></Nodo></M-Bus_Network>";
    testsupport::writeFile(good, other);
    testsupport::writeFile(broken, "<M-Bus_Network><Nodo><Variabile Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/>"
                                   "</Nodo></M-Bus_Network>");

    auto error = project::importNetworkFile(broken, target, 7);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::NotAnInteger);
    EXPECT_EQ(error->path, broken);
    EXPECT_EQ(testsupport::readFile(target), current);

    error = project::importNetworkFile(dir.filePath("nothing.xml"), target, 7);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::Unreadable);
    EXPECT_EQ(testsupport::readFile(target), current);

    EXPECT_FALSE(project::importNetworkFile(target, target, 7)); // onto itself: nothing changes
    EXPECT_EQ(testsupport::readFile(target), current);

    EXPECT_FALSE(project::importNetworkFile(good, target, 7));
    EXPECT_EQ(testsupport::readFile(target), other);

    const QString fresh = dir.filePath("new/M_Bus.xml");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("new")));
    EXPECT_FALSE(project::importNetworkFile(good, fresh, 7));
    EXPECT_EQ(testsupport::readFile(fresh), other);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3); // no temporary files left
}

} // namespace
