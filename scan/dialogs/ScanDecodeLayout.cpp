#include "scan/dialogs/ScanDecodeLayout.h"

#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "platform/draw/ImageList.h"
#include "platform/ui/Label.h"
#include "scan/dialogs/ScanDecodeDialog.h"
#include "scan/dialogs/ScanDecodeTexts.h"
#include "scan/dialogs/ScanProgressList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSplitter>
#include <array>

namespace scan {
namespace {

constexpr int FieldWidth = 140;
constexpr int RowHeight = 21;

QPixmap disc(QColor fill, QColor edge)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(edge);
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return picture;
}

QPixmap padlock(QColor body, bool closed)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(body.darker(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRect(4, 1, 8, 9), 0, closed ? 180 * 16 : 150 * 16);
    painter.setPen(body.darker());
    painter.setBrush(body);
    painter.drawRect(QRect(3, 7, 10, 8));
    return picture;
}

} // namespace

std::vector<OptionRow> optionRows(int formType, bool wirelessMethod)
{
    using R = OptionRow;
    const std::vector<OptionRow> wired{R::ScanBy,   R::HardwareType, R::IpAddress, R::ParametersTitle, R::Baud,
                                       R::Parity,   R::OptionsTitle, R::AppReset,  R::SndNke,          R::CutAfter,
                                       R::FixCField, R::CheckBcd,    R::RemoteScan};
    if (formType != 1)
        return wired;
    if (wirelessMethod)
        return {R::ScanMethod,   R::HardwareType, R::IpAddress,    R::Port,     R::ParametersTitle,
                R::WirelessMode, R::RadioChannel, R::OptionsTitle, R::CheckBcd, R::RemoteScan};
    std::vector<OptionRow> rows{R::ScanMethod};
    rows.insert(rows.end(), wired.begin(), wired.end());
    return rows;
}

int scanClientHeight(int formType) { return formType == 1 ? 571 : 523; }

void fillScanImages(platform::TImageList &tree, platform::TImageList &grid)
{
    tree.Add(disc(QColor(70, 110, 200), QColor(30, 50, 120)));  // a slave or meter
    tree.Add(disc(QColor(90, 180, 90), QColor(30, 90, 30)));    // a record
    tree.Add(disc(QColor(220, 220, 220), QColor(120, 120, 120))); // a detail line
    grid.Add(padlock(QColor(200, 40, 40), true));
    grid.Add(padlock(QColor(40, 150, 40), false));
}

void TFScanDecode::Move_Object_Type_Form()
{
    struct Placed {
        QWidget *label;
        QWidget *field;
    };
    const auto widgetsOf = [this](OptionRow row) -> Placed {
        switch (row) {
        case OptionRow::ScanMethod: return {L_ScanMethod, CB_ScanMethod};
        case OptionRow::ScanBy: return {L_ScanBy, CB_ScanBy};
        case OptionRow::HardwareType: return {L_HardwareType, CB_HardwareType};
        case OptionRow::IpAddress: return {L_IP, nullptr};
        case OptionRow::Port: return {L_Port, E_Port};
        case OptionRow::ParametersTitle: return {L_MBus_ParGen, nullptr};
        case OptionRow::Baud: return {L_MBus_Baud, CB_MBus_Baud};
        case OptionRow::Parity: return {L_MBus_Parity, CB_MBus_Parity};
        case OptionRow::WirelessMode: return {L_wMBus_Mode, CB_wMBus_Mode};
        case OptionRow::RadioChannel: return {L_wMBus_Radio_Channel, CB_wMBus_Radio_Channel};
        case OptionRow::OptionsTitle: return {L_Option_Scan, nullptr};
        case OptionRow::AppReset: return {CB_Opt_App_Reset, nullptr};
        case OptionRow::SndNke: return {CB_Opt_SND_NKE, nullptr};
        case OptionRow::CutAfter: return {L_Opt_Cut_After, E_Opt_Cut_After};
        case OptionRow::FixCField: return {CB_Opt_Use_Fix_C_Field, CB_Opt_Use_Fix_C_Field_Value};
        case OptionRow::CheckBcd: return {CB_Opt_Check_BCD_to_Int, nullptr};
        case OptionRow::RemoteScan: return {CB_Opt_Enable_Remote_Scan, nullptr};
        }
        return {nullptr, nullptr};
    };
    // Everything hides first; the rows of this layout show again.
    for (QWidget *child : P_Main->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->hide();

    const std::vector<OptionRow> rows = optionRows(Form_Type, wirelessMethod());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = OptionsTop + int(i) * OptionRowPitch;
        const Placed placed = widgetsOf(rows[i]);
        const bool title = rows[i] == OptionRow::ParametersTitle || rows[i] == OptionRow::OptionsTitle;
        const bool checkBox = qobject_cast<QCheckBox *>(placed.label) != nullptr;
        const int labelTop = checkBox ? top + 1 : top + 3;
        placed.label->move(title ? SectionLeft : ItemLeft, labelTop);
        if (checkBox)
            placed.label->resize(placed.field ? FieldLeft - ItemLeft - 4 : MainPanelWidth - ItemLeft - 8, 19);
        else
            placed.label->adjustSize();
        placed.label->show();
        if (placed.field) {
            placed.field->setGeometry(FieldLeft, top, FieldWidth, RowHeight);
            placed.field->show();
        }
        if (rows[i] == OptionRow::Port || rows[i] == OptionRow::CutAfter)
            placed.field->resize(IpEditWidth, RowHeight);
        if (rows[i] == OptionRow::IpAddress) {
            const std::array<QLineEdit *, 4> edits{E_IP1, E_IP2, E_IP3, E_IP4};
            const std::array<platform::TLabel *, 3> dots{L_IP_Dot1, L_IP_Dot2, L_IP_Dot3};
            for (std::size_t e = 0; e < edits.size(); ++e) {
                edits[e]->setGeometry(IpEditLefts[e], top, IpEditWidth, RowHeight);
                edits[e]->show();
                if (e < dots.size()) {
                    dots[e]->move(IpEditLefts[e] + IpEditWidth + 2, top + 3);
                    dots[e]->show();
                }
            }
        }
    }
    setFixedSize(ScanClientWidth, scanClientHeight(Form_Type));
    placePanels(size());
    Form_Style(m_style);
}

void TFScanDecode::Form_Style(ScanFormStyle style)
{
    m_style = style;
    CB_HardwareType->setCurrentIndex(0);
    CB_HardwareType->setEnabled(false);

    const int top = app::TitlePanelHeight;
    const int bodyHeight = height() - app::TitlePanelHeight - app::ButtonPanelHeight;
    const bool ready = style == ScanFormStyle::Ready;
    const bool wired = style == ScanFormStyle::WiredRunning || style == ScanFormStyle::WiredDone;
    const bool wireless = style == ScanFormStyle::WirelessRunning || style == ScanFormStyle::WirelessDone;
    const bool running = style == ScanFormStyle::WiredRunning || style == ScanFormStyle::WirelessRunning;
    const bool done = style == ScanFormStyle::WiredDone || style == ScanFormStyle::WirelessDone;

    P_Main->setGeometry(0, top, ready ? width() : MainPanelWidth, bodyHeight);
    const QRect side(MainPanelWidth, top, width() - MainPanelWidth, bodyHeight);
    P_TreeView->setGeometry(side);
    P_View_Wireless->setGeometry(side);
    P_TreeView->setVisible(wired);
    P_View_Wireless->setVisible(wireless);

    Btn_StartScan->move(FirstButtonLeft, 9);
    Btn_StopScan->move(FirstButtonLeft, 9);
    Btn_AbortScan->move(SecondButtonLeft, 9);
    Btn_NewScan->move(FirstButtonLeft, 9);
    Btn_SaveConf->move(SecondButtonLeft, 9);
    Btn_SaveConfManual->move(ThirdButtonLeft, 9);
    Btn_StartScan->setVisible(ready);
    Btn_StopScan->setVisible(running);
    Btn_AbortScan->setVisible(running);
    Btn_NewScan->setVisible(done);
    Btn_SaveConf->setVisible(done);
    Btn_SaveConfManual->setVisible(done);

    const int innerWidth = side.width() - 16;
    L_ScanProgress->setCaption(app::text(style == ScanFormStyle::WiredDone ? TextSlaveCount : TextScanRunning));
    L_ScanProgress->adjustSize();
    L_Num_Slave->move(L_ScanProgress->x() + L_ScanProgress->width() + 8, L_ScanProgress->y());
    L_AvailableDevice->setVisible(style == ScanFormStyle::WiredRunning);
    LB_AvailableDevice->setGeometry(8, 52, innerWidth, bodyHeight - 60);
    LB_AvailableDevice->setVisible(style == ScanFormStyle::WiredRunning);
    L_Num_Slave->setVisible(style == ScanFormStyle::WiredDone);
    LST->setGeometry(8, 32, innerWidth, bodyHeight - 40);
    LST->setVisible(style == ScanFormStyle::WiredDone);
    Splitter1->setGeometry(8, 8, innerWidth, bodyHeight - 16);
}

} // namespace scan
