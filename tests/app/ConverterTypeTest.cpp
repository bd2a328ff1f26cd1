#include "app/ConverterType.h"

#include <gtest/gtest.h>

namespace {

TEST(ConverterType, TablesPerType)
{
    EXPECT_EQ(app::converterInfo(1).swTitle, "Tervikon - Configurator PX42Lyxa - M-Bus / Modbus TCP ");
    EXPECT_EQ(app::converterInfo(1001).swTitle, "Vellquist - Configurator PX42Lyxa - M-Bus / Modbus TCP ");
    EXPECT_EQ(app::converterInfo(1001).swCode, "PX42Lyxa");
    EXPECT_EQ(app::converterInfo(4).swDesc, "Modbus  Slave /  M-Bus Master - Converter");
    EXPECT_EQ(app::converterInfo(1007).versionCheckCode, "PX42Lyxa");
    EXPECT_EQ(app::converterInfo(1007).programVersion, "1.518");
    EXPECT_EQ(app::converterInfo(1007).downloadAnchor, "GX42Lyxa");
    EXPECT_EQ(app::swVersionComment(2), "SW_VERSION = 3.212");
    for (int t : app::AllConverterTypes)
        EXPECT_EQ(app::converterInfo(t).type, t);
}

TEST(ConverterType, DeviceCodeAndWireless)
{
    const std::pair<int, int> codes[] = {{1, 1}, {2, 0}, {3, 9}, {4, 5}, {5, 0},
                                         {6, 13}, {7, 14}, {1001, 0}, {1007, 0}};
    for (auto [type, code] : codes)
        EXPECT_EQ(app::xmlCodeDev(type), code) << type;
    EXPECT_FALSE(app::isWirelessType(1));
    EXPECT_TRUE(app::isWirelessType(6));
    EXPECT_TRUE(app::isWirelessType(1007));
    EXPECT_FALSE(app::isValidConverterType(8));
}

} // namespace

namespace {

// What the table says of a type must hold together: a partner edition runs
// its base model, a wireless receiver means the two banks with the meter
// table, and a board variant is what chooses the update route.
TEST(ConverterTraits, HoldTogetherForEveryType)
{
    for (const int type : app::AllConverterTypes) {
        SCOPED_TRACE(type);
        const app::ConverterTraits &t = app::traitsOf(type);
        const app::ConverterTraits &base = app::traitsOf(t.baseType);
        EXPECT_TRUE(app::isValidConverterType(t.baseType));
        EXPECT_EQ(base.baseType, t.baseType);
        EXPECT_EQ(t.wireless, base.wireless);
        EXPECT_EQ(t.hasBoardVariant, base.hasBoardVariant);
        EXPECT_EQ(t.banks, base.banks);
        EXPECT_EQ(t.modbusTcp, base.modbusTcp);
        EXPECT_EQ(t.wireless, t.banks == app::BankSet::TwoBanks);
        EXPECT_EQ(t.hasBoardVariant, t.updateRoute == app::UpdateRoute::ByBoardVariant);
        EXPECT_EQ(t.hasBoardVariant, app::converterInfo(type).boardNames.size() == 2);
        EXPECT_EQ(app::converterInfo(type).boardNames, app::converterInfo(t.baseType).boardNames);
        EXPECT_EQ(app::converterInfo(type).partnerEdition(), type > 1000);
    }
}

} // namespace

TEST(ConverterType, TheBuildsTypeIsOneOfTheNine)
{
    EXPECT_TRUE(app::isValidConverterType(app::Converter_Type()));
}
