// The radio modules' frames and registers for a meter.
#include "scan/RadioModule.h"

#include <gtest/gtest.h>

using namespace scan;

namespace {

std::unique_ptr<TSlave_wMBus> meterOf(quint16 manufacturer, qint32 address, quint8 version, quint8 deviceType)
{
    auto meter = std::make_unique<TSlave_wMBus>();
    meter->ALA_Manufacturer = manufacturer;
    meter->ALA_Address = address;
    meter->ALA_Version = version;
    meter->ALA_DeviceType = deviceType;
    return meter;
}

TEST(RadioModule, RadioCraftsConfigurationByMode)
{
    struct Case {
        qint32 mode;
        std::uint8_t code;
    };
    const Case cases[] = {{wmbus::ModeS, 0x03}, {wmbus::ModeT, 0x01}, {wmbus::ModeN1, 0x11},
                          {wmbus::ModeN2, 0x10}, {wmbus::ModeC, 0x0A}, {42, 0x03}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        QByteArray expected = QByteArray::fromHex("03000400050112011617 3A013D023701");
        expected[1] = char(c.code);
        EXPECT_EQ(Build_RC_Config(c.mode), expected);
    }
}

TEST(RadioModule, AMetersIdentityInBothModules)
{
    const auto owned = meterOf(0x2C2D, 0x12345678, 3, 7);
    TSlave_wMBus &meter = *owned;
    const std::array<std::uint8_t, 8> registers = telitMeterRegisters(meter);
    EXPECT_EQ(std::vector<int>(registers.begin(), registers.end()), (std::vector<int>{45, 44, 120, 86, 52, 18, 3, 7}));
    EXPECT_EQ(Build_RC_Meter_Address(meter), QByteArray::fromHex("785634122D2C0307"));

    // The high bit of the identification number stays a byte like the others.
    EXPECT_EQ(Build_RC_Meter_Address(*meterOf(0xFFFF, qint32(0x87654321), 255, 0)), QByteArray::fromHex("21436587FFFFFF00"));

    for (std::size_t i = 0; i < meter.Key.size(); ++i)
        meter.Key[i] = std::uint8_t(0xA0 + i);
    EXPECT_EQ(Build_RC_Key(meter), QByteArray::fromHex("A0A1A2A3A4A5A6A7A8A9AAABACADAEAF"));
    EXPECT_EQ(Build_RC_Erase_Entry(), QByteArray(8, '\0'));
}

TEST(RadioModule, TelitRegisterCommands)
{
    EXPECT_EQ(telit::setRegister(400, 15), "ATS400=15\r");
    EXPECT_EQ(telit::setRegister(485, 0), "ATS485=0\r");
    EXPECT_EQ(telit::setRegister(402, 191), "ATS402=191\r");
}

} // namespace
