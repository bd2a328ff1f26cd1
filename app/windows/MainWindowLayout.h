#pragma once
// Where the main window's controls stand and which of them show, by converter
// type: a plain function so that every type's step guide can be checked from
// one build.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace app {

struct ControlPlace {
    QPoint pos;
    bool visible = false;
};

struct MainWindowLayout {
    QPoint L_SW_Code{16, 8};
    QPoint L_SW_Desc{16, 42};
    QPoint L_Begin{16, 84};
    QPoint Shape2{80, 70};
    QPoint L_Name_Conf{87, 75};
    QPoint L_Name_Conf_L2{87, 88};
    QPoint Btn_Info{516, 8};
    QPoint Btn_Opz{574, 8};
    QPoint Btn_Close{632, 8};

    std::array<ControlPlace, 8> L_Step; // L_Step_1 .. L_Step_8
    ControlPlace L_Tervik;
    ControlPlace Btn_New;
    ControlPlace Btn_Open;
    ControlPlace Btn_Prm_Gen;
    ControlPlace Btn_MBus;
    ControlPlace Btn_CreateBin;
    ControlPlace Btn_ScanDecode;

    // The separator under the last step.
    QRect Shape1;
    bool Shape1Visible = false;

    QSize clientSize;
};

inline constexpr QSize StepButtonSize{170, 36};
inline constexpr QSize ScanDecodeButtonSize{166, 36};
inline constexpr QSize PictureButtonSize{50, 50};
inline constexpr QSize Shape2Size{348, 35};

// Scan & Decode is offered for types 1, 2, 3, 6, 7 and 1007.
bool offersScanDecode(int converterType);

// The maker's link shows for every type but the partner editions.
bool showsMakerLink(int converterType);

MainWindowLayout mainWindowLayout(int converterType);

} // namespace app
