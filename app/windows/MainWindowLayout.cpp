#include "app/windows/MainWindowLayout.h"

#include "app/ConverterType.h"

namespace app {

bool offersScanDecode(int converterType)
{
    switch (converterType) {
    case 1:
    case 2:
    case 3:
    case 6:
    case 7:
    case 1007:
        return true;
    default:
        return false;
    }
}

bool showsMakerLink(int converterType)
{
    return isValidConverterType(converterType) && converterType != 1001 && converterType != 1007;
}

MainWindowLayout mainWindowLayout(int converterType)
{
    MainWindowLayout layout;

    // The design: every step label hidden, the first steps' buttons shown.
    static constexpr int stepTops[8] = {128, 172, 216, 260, 304, 348, 392, 436};
    for (int i = 0; i < 8; ++i)
        layout.L_Step[static_cast<std::size_t>(i)] = {QPoint(16, stepTops[i]), false};
    layout.L_Tervik = {QPoint(565, 392), false};
    layout.Btn_New = {QPoint(80, 112), true};
    layout.Btn_Open = {QPoint(258, 112), true};
    layout.Btn_Prm_Gen = {QPoint(80, 156), true};
    layout.Btn_CreateBin = {QPoint(80, 332), true};
    layout.Btn_MBus = {QPoint(80, 200), false};
    layout.Btn_ScanDecode = {QPoint(516, 70), offersScanDecode(converterType)};

    if (isValidConverterType(converterType)) {
        // Four steps: new/open, general parameters, M-Bus network, update.
        for (int i = 0; i < 4; ++i)
            layout.L_Step[static_cast<std::size_t>(i)].visible = true;
        layout.L_Tervik = {QPoint(565, layout.L_Step[3].pos.y()), showsMakerLink(converterType)};
        layout.Btn_MBus = {QPoint(80, 200), true};
        layout.Btn_CreateBin.pos.setY(244);
        layout.Shape1 = QRect(10, layout.Btn_CreateBin.pos.y() + 51, 674, 1);
        layout.Shape1Visible = true;
    }
    layout.clientSize = QSize(694, layout.Btn_CreateBin.pos.y() + 152);
    return layout;
}

} // namespace app
