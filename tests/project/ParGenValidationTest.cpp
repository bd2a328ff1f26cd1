#include "app/ConverterType.h"
#include "project/ParGenValidation.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

namespace {

using project::ParGenRefusal;
using project::ParGenValues;

struct Case {
    std::vector<int> types;
    std::vector<std::pair<QString, QString>> fields; // element, text as typed
    std::optional<int> text;                         // refusal text, none when OK passes
    QString element;                                 // the field refused
};

std::optional<ParGenRefusal> refusalFor(int type, const std::vector<std::pair<QString, QString>> &fields)
{
    ParGenValues values(type);
    for (const auto &[element, text] : fields) {
        EXPECT_TRUE(values.setText(element, text)) << "type " << type << " has no field " << element.toStdString();
    }
    return project::firstParGenRefusal(values);
}

void expectCases(const std::vector<Case> &cases)
{
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        for (const int type : c.types) {
            const auto refusal = refusalFor(type, c.fields);
            const auto expected = c.text ? std::optional<ParGenRefusal>(ParGenRefusal{*c.text, c.element})
                                         : std::nullopt;
            EXPECT_EQ(refusal, expected) << "case " << i << ", type " << type << ": got text "
                                         << (refusal ? refusal->text : 0);
        }
    }
}

const std::vector<int> lyxa = {1, 1001};
const std::vector<int> rhuv = {7, 1007};
const std::vector<int> serialModels = {2, 3, 4, 5};
const std::vector<int> kvoz = {2, 3};

} // namespace

TEST(ParGenValidation, TheDefaultsOfEveryTypePass)
{
    for (const int type : app::AllConverterTypes)
        EXPECT_EQ(project::firstParGenRefusal(ParGenValues(type)), std::nullopt) << type;
}

TEST(ParGenValidation, FieldValuesAreIntegerTextWithMinusOneForAnythingElse)
{
    EXPECT_EQ(project::parGenCheckedValue("0xFF"), 255);
    EXPECT_EQ(project::parGenCheckedValue("$ff"), 255);
    EXPECT_EQ(project::parGenCheckedValue("  12"), 12);
    EXPECT_EQ(project::parGenCheckedValue("12 "), -1);
    EXPECT_EQ(project::parGenCheckedValue(""), -1);
    EXPECT_EQ(project::parGenCheckedValue("1.5"), -1);
    EXPECT_EQ(project::parGenCheckedValue("99999999999"), -1);
}

TEST(ParGenValidation, EthernetModelsOfTheFirstFamily)
{
    expectCases({
        {lyxa, {{"IP_1", "256"}}, 110, "IP_1"},
        {lyxa, {{"IP_3", ""}}, 112, "IP_3"},
        {lyxa, {{"IP_4", "-1"}}, 113, "IP_4"},
        {lyxa, {{"SM_2", "abc"}}, 115, "SM_2"},
        {lyxa, {{"SM_4", "0x100"}}, 117, "SM_4"},
        // The gateway counts only while it is in use.
        {lyxa, {{"GA_1", "300"}}, std::nullopt, {}},
        {lyxa, {{"Gat_Enable", "1"}, {"GA_1", "300"}}, 118, "GA_1"},
        {lyxa, {{"Gat_Enable", "1"}, {"GA_4", ""}}, 121, "GA_4"},
        {lyxa, {{"TCP_Port", "0"}}, 122, "TCP_Port"},
        {lyxa, {{"TCP_Port", "10000"}}, 122, "TCP_Port"},
        {lyxa, {{"TCP_Port", "65536"}}, 122, "TCP_Port"},
        {lyxa, {{"TCP_Port", "65535"}}, std::nullopt, {}},
        {lyxa, {{"TCP_Port", "0x1F6"}}, std::nullopt, {}},
        // The time-out matters only on the board with Ethernet.
        {lyxa, {{"Sel_Dev", "0"}, {"TCP_Conn_TimeOut", ""}}, std::nullopt, {}},
        {lyxa, {{"Sel_Dev", "1"}, {"TCP_Conn_TimeOut", ""}}, 123, "TCP_Conn_TimeOut"},
        {lyxa, {{"Sel_Dev", "1"}, {"TCP_Conn_TimeOut", "1"}}, 123, "TCP_Conn_TimeOut"},
        {lyxa, {{"Sel_Dev", "1"}, {"TCP_Conn_TimeOut", "1441"}}, 123, "TCP_Conn_TimeOut"},
        {lyxa, {{"Sel_Dev", "1"}, {"TCP_Conn_TimeOut", "1440"}}, std::nullopt, {}},
        {lyxa, {{"Meter_Req_Delay", "864000"}}, std::nullopt, {}},
        {lyxa, {{"Meter_Req_Delay", "864001"}}, 124, "Meter_Req_Delay"},
        {lyxa, {{"Meter_Req_Delay", "-1"}}, 124, "Meter_Req_Delay"},
        {lyxa, {{"Node_State", "0xFF"}}, std::nullopt, {}},
        {lyxa, {{"Node_State", "256"}}, 125, "Node_State"},
        {lyxa, {{"Node_State", "255 "}}, 125, "Node_State"},
        // The first failure in the fixed order is the one shown.
        {lyxa, {{"Node_State", "256"}, {"IP_2", "x"}}, 111, "IP_2"},
        {lyxa, {{"TCP_Port", "0"}, {"SM_1", "x"}}, 114, "SM_1"},
        {lyxa, {{"Sel_Dev", "1"}, {"TCP_Conn_TimeOut", "0"}, {"TCP_Port", "0"}}, 122, "TCP_Port"},
        {lyxa, {{"Meter_Req_Delay", "x"}, {"Sel_Dev", "1"}, {"TCP_Conn_TimeOut", "0"}}, 123, "TCP_Conn_TimeOut"},
        {lyxa, {{"Node_State", "x"}, {"Meter_Req_Delay", "x"}}, 124, "Meter_Req_Delay"},
    });
}

TEST(ParGenValidation, SerialModels)
{
    expectCases({
        {serialModels, {{"Meter_Req_Delay", "65535"}}, std::nullopt, {}},
        {serialModels, {{"Meter_Req_Delay", "65536"}}, 392, "Meter_Req_Delay"},
        {serialModels, {{"Meter_Req_Delay", ""}}, 392, "Meter_Req_Delay"},
        {serialModels, {{"Mod_StopBit", "1"}, {"Mod_Par", "1"}}, 351, "Mod_StopBit"},
        {serialModels, {{"Mod_StopBit", "1"}, {"Mod_Par", "2"}}, 351, "Mod_StopBit"},
        {serialModels, {{"Mod_StopBit", "1"}, {"Mod_Par", "0"}}, std::nullopt, {}},
        {serialModels, {{"Mod_StopBit", "1"}, {"Mod_Par", "1"}, {"Meter_Req_Delay", "x"}}, 392, "Meter_Req_Delay"},
        // Neither the slave address nor the node state is checked on these models.
        {serialModels, {{"Mod_Id", "0"}, {"Node_State", "999"}}, std::nullopt, {}},
        // The address block only on the board with Ethernet.
        {kvoz, {{"Sel_Dev", "0"}, {"IP_1", "999"}}, std::nullopt, {}},
        {kvoz, {{"Sel_Dev", "1"}, {"IP_1", "999"}}, 355, "IP_1"},
        {kvoz, {{"Sel_Dev", "1"}, {"SM_4", "x"}}, 362, "SM_4"},
        {kvoz, {{"Sel_Dev", "1"}, {"GA_2", "x"}}, std::nullopt, {}},
        {kvoz, {{"Sel_Dev", "1"}, {"Gat_Enable", "1"}, {"GA_2", "x"}}, 364, "GA_2"},
        {kvoz, {{"Sel_Dev", "1"}, {"IP_1", "999"}, {"Mod_StopBit", "1"}, {"Mod_Par", "1"}}, 351, "Mod_StopBit"},
    });
}

TEST(ParGenValidation, WirelessModelWithModbusSlave)
{
    expectCases({
        {{6}, {{"Mod_Id", "0"}}, 285, "Mod_Id"},
        {{6}, {{"Mod_Id", "248"}}, 285, "Mod_Id"},
        {{6}, {{"Mod_Id", "247"}}, std::nullopt, {}},
        {{6}, {{"Mod_Id", "0"}, {"Mod_StopBit", "1"}, {"Mod_Par", "1"}, {"IP_1", "x"}}, 285, "Mod_Id"},
        {{6}, {{"Mod_StopBit", "1"}, {"Mod_Par", "1"}}, 351, "Mod_StopBit"},
        // The wired master's values count only while meters are wired.
        {{6}, {{"Meter_Req_Delay", "999999"}, {"Node_State", "999"}}, std::nullopt, {}},
        {{6}, {{"Sel_Dev_MBus_Present", "1"}, {"Meter_Req_Delay", "65536"}}, 392, "Meter_Req_Delay"},
        {{6}, {{"Sel_Dev_MBus_Present", "1"}, {"Node_State", "256"}}, 125, "Node_State"},
        {{6}, {{"Sel_Dev_MBus_Present", "1"}, {"Node_State", "256"}, {"IP_1", "x"}}, 125, "Node_State"},
        {{6}, {{"IP_1", "x"}}, 286, "IP_1"},
        {{6}, {{"SM_1", "x"}}, 290, "SM_1"},
        {{6}, {{"Gat_Enable", "1"}, {"GA_4", "x"}}, 297, "GA_4"},
    });
}

TEST(ParGenValidation, WirelessModelsWithModbusTcp)
{
    expectCases({
        {rhuv, {{"IP_2", "x"}}, 111, "IP_2"},
        {rhuv, {{"Gat_Enable", "1"}, {"GA_3", "x"}}, 120, "GA_3"},
        {rhuv, {{"TCP_Port", "10000"}}, 122, "TCP_Port"},
        // No board choice here: the time-out is always checked.
        {rhuv, {{"TCP_Conn_TimeOut", ""}}, 123, "TCP_Conn_TimeOut"},
        {rhuv, {{"TCP_Conn_TimeOut", "x"}, {"TCP_Port", "0"}}, 122, "TCP_Port"},
        {rhuv, {{"Meter_Req_Delay", "x"}, {"Node_State", "x"}}, std::nullopt, {}},
        {rhuv, {{"Sel_Dev_MBus_Present", "1"}, {"Meter_Req_Delay", "65535"}}, std::nullopt, {}},
        {rhuv, {{"Sel_Dev_MBus_Present", "1"}, {"Meter_Req_Delay", "65536"}}, 392, "Meter_Req_Delay"},
        {rhuv, {{"Sel_Dev_MBus_Present", "1"}, {"Meter_Req_Delay", "x"}}, 392, "Meter_Req_Delay"},
        {rhuv, {{"Sel_Dev_MBus_Present", "1"}, {"Node_State", "-1"}}, 125, "Node_State"},
        {rhuv, {{"Sel_Dev_MBus_Present", "1"}, {"Node_State", "-1"}, {"TCP_Conn_TimeOut", "0"}}, 123,
         "TCP_Conn_TimeOut"},
    });
}
