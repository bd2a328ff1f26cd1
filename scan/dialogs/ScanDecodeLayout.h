#pragma once
// Where the Scan & Decode window puts its options and views: the rows of the
// options panel for each kind of converter and scan method, the client
// heights and the places of the scan buttons (pixels at 96 dpi).
#include <QSize>
#include <vector>

namespace platform {
class TImageList;
}

namespace scan {

enum class OptionRow {
    ScanMethod,
    ScanBy,
    HardwareType,
    IpAddress,
    Port,
    ParametersTitle,
    Baud,
    Parity,
    WirelessMode,
    RadioChannel,
    OptionsTitle,
    AppReset,
    SndNke,
    CutAfter,
    FixCField,
    CheckBcd,
    RemoteScan,
};

// The rows of the options panel, top to bottom.
std::vector<OptionRow> optionRows(int formType, bool wirelessMethod);

inline constexpr int ScanClientWidth = 922;
// The client height: wired-only converters need no scan-method row.
int scanClientHeight(int formType);

inline constexpr int SectionLeft = 16;
inline constexpr int ItemLeft = 32;
inline constexpr int FieldLeft = 176;
inline constexpr int IpEditLefts[4] = {176, 242, 308, 374};
inline constexpr int IpEditWidth = 56;
inline constexpr int OptionsTop = 12;
inline constexpr int OptionRowPitch = 26;
// The options panel beside the results.
inline constexpr int MainPanelWidth = 450;
inline constexpr int WirelessTableHeight = 200;

inline constexpr int ScanButtonWidth = 110;
inline constexpr int SaveNodeButtonWidth = 150;
inline constexpr int ButtonGap = 8;
inline constexpr int FirstButtonLeft = 16;
inline constexpr int SecondButtonLeft = FirstButtonLeft + ScanButtonWidth + ButtonGap;
inline constexpr int ThirdButtonLeft = SecondButtonLeft + ScanButtonWidth + ButtonGap;

// The node images of the trees (one per level) and the grid's two images
// (0 encrypted, 1 not encrypted).
void fillScanImages(platform::TImageList &tree, platform::TImageList &grid);

} // namespace scan
