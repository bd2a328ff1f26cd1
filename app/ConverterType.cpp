#include "app/ConverterType.h"

#include <algorithm>

namespace app {
namespace {

const std::array<ConverterInfo, 9> &table()
{
    // Texts are exact, trailing and doubled blanks included.
    static const std::array<ConverterInfo, 9> rows = {{
        {1, "PX42Lyxa", "M-Bus / Modbus TCP - Converter",
         "Tervikon - Configurator PX42Lyxa - M-Bus / Modbus TCP ", "PX42Lyxa", "2.306", "2.306",
         "DX42Lyxa", "GX42Lyxa",
         {1, true, false, true, true, true, BankSet::ThreeBanks, UpdateRoute::ByBoardVariant, 1,
          false, PostOperation::OnEthernetBoard},
         {"GX42LyxaM", "GX42Lyxa-B2"}},
        {2, "PX42Kvoz", "M-Bus / Modbus - Converter", "Tervikon - Configurator PX42Kvoz - M-Bus / Modbus ",
         "PX42Kvoz", "3.212", "3.212", "DX42Kvoz", "GX42Kvoz",
         {2, true, false, true, false, true, BankSet::ByBoardVariant, UpdateRoute::ByBoardVariant, 0,
          true, PostOperation::Always},
         {"GX42KvozM", "GX42Kvoz-B2"}},
        {3, "PX42Nqib", "M-Bus Multi-Master / Modbus - Converter",
         "Tervikon - Configurator PX42Nqib - M-Bus Multi-Master / Modbus ", "PX42Nqib", "2.012", "2.012",
         "DX42Nqib", "GX42Nqib",
         {3, true, false, true, false, true, BankSet::ByBoardVariant, UpdateRoute::ByBoardVariant, 9,
          true, PostOperation::Always},
         {"GX42Nqib-B2 Without Ethernet Port", "GX42Nqib-B2 With Ethernet Port"}},
        {4, "PX42Mzul", "Modbus  Slave /  M-Bus Master - Converter",
         "Tervikon - Configurator PX42Mzul - Modbus  Slave /  M-Bus Master ", "PX42Mzul", "3.000", "3.000",
         "DX42Mzul", "GX42Mzul",
         {4, false, false, false, false, false, BankSet::SingleBank, UpdateRoute::Serial, 5,
          false, PostOperation::Never},
         {}},
        {5, "PX42Pwoj", "M-Bus / Modbus - Converter", "Tervikon - Configurator PX42Pwoj - M-Bus / Modbus ",
         "PX42Pwoj", "3.000", "3.000", "DX42Pwoj", "GX42Pwoj",
         {5, false, false, false, false, false, BankSet::SingleBank, UpdateRoute::Serial, 0,
          false, PostOperation::Never},
         {}},
        {6, "PX42Qyre", "wM-Bus / M-Bus / Modbus Slave - Converter",
         "Tervikon - Configurator PX42Qyre - wM-Bus / M-Bus / Modbus Slave ", "PX42Qyre", "1.518", "1.518",
         "DX42Qyre", "GX42Qyre",
         {6, false, true, true, false, false, BankSet::TwoBanks, UpdateRoute::Ethernet, 13,
          true, PostOperation::Always},
         {}},
        {7, "PX42Rhuv", "wM-Bus / M-Bus / Modbus TCP Slave - Converter",
         "Tervikon - Configurator PX42Rhuv - wM-Bus / M-Bus / Modbus TCP Slave ", "PX42Rhuv", "1.518",
         "1.518", "DX42Rhuv", "GX42Rhuv",
         {7, false, true, true, true, false, BankSet::TwoBanks, UpdateRoute::Ethernet, 14,
          true, PostOperation::Always},
         {}},
        // The partner editions take type 1's version-check entry and download anchor.
        {1001, "PX42Lyxa", "M-Bus / Modbus TCP - Converter",
         "Vellquist - Configurator PX42Lyxa - M-Bus / Modbus TCP ", "PX42Lyxa", "2.306", "2.306",
         "DX42Lyxa", "GX42Lyxa",
         {1, true, false, false, true, false, BankSet::ThreeBanks, UpdateRoute::ByBoardVariant, 0,
          false, PostOperation::OnEthernetBoard},
         {"GX42LyxaM", "GX42Lyxa-B2"}},
        {1007, "PX42Rhuv", "wM-Bus / M-Bus / Modbus TCP Slave - Converter",
         "Vellquist - Configurator PX42Rhuv - wM-Bus / M-Bus / Modbus TCP Slave ", "PX42Lyxa", "2.306",
         "1.518", "DX42Rhuv", "GX42Lyxa",
         {7, false, true, true, true, false, BankSet::TwoBanks, UpdateRoute::Ethernet, 0,
          true, PostOperation::UnlessByPosition},
         {}},
    }};
    return rows;
}

} // namespace

bool isValidConverterType(int type)
{
    return std::find(AllConverterTypes.begin(), AllConverterTypes.end(), type) != AllConverterTypes.end();
}

const ConverterInfo &converterInfo(int type)
{
    for (const ConverterInfo &row : table())
        if (row.type == type)
            return row;
    return table().front();
}

const ConverterTraits &traitsOf(int type)
{
    return converterInfo(type).traits;
}

bool isWirelessType(int type)
{
    return isValidConverterType(type) && traitsOf(type).wireless;
}

int xmlCodeDev(int type)
{
    return isValidConverterType(type) ? traitsOf(type).xmlCodeDev : 0;
}

QString swVersionComment(int type)
{
    return QStringLiteral("SW_VERSION = ") + converterInfo(type).programVersion;
}

} // namespace app
