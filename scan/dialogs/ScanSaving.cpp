// Saving the results on screen as the configuration's M-Bus network: append
// or replace, the start registers the device code needs, then the writer of
// the scan that produced the results.
#include "app/Language.h"
#include "platform/IntText.h"
#include "platform/ModalResult.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "scan/dialogs/ModbusStartAddDialog.h"
#include "scan/dialogs/ScanDecodeDialog.h"
#include "scan/dialogs/ScanDecodeTexts.h"
#include "scan/dialogs/ScanModbusStartDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

namespace scan {

bool asksStartRegisters(qint32 xmlCodeDev)
{
    switch (xmlCodeDev) {
    case 0:
    case 1:
    case 9:
    case 13:
    case 14: return true;
    default: return false;
    }
}

void TFScanDecode::Select_SaveXML(int kind)
{
    if (m_results == Results::None)
        return;
    bool append = false;
    qint32 startRegister = 1;
    const bool asks = asksStartRegisters(XML_Code_Dev);
    // Every save with a start register per node fills the rows anew, so
    // that no node reads a row left from another scan.
    if (kind == 1)
        Carica_Dati_Modbus_Start_Add();
    if (QFile::exists(FileName_MBus)) {
        const platform::MessageAnswer answer = platform::showMessage(
            platform::MessageKind::Confirmation, app::text(TextAppendQuestion), platform::MessageButtons::YesNoCancel,
            this);
        if (answer != platform::MessageAnswer::Yes && answer != platform::MessageAnswer::No)
            return;
        append = answer == platform::MessageAnswer::Yes;
        if (kind == 1) {
            if (asks && platform::execModal(*FModbusStartAdd_SD) != platform::mrOk)
                return;
        } else if (append && asks) {
            if (platform::execModal(*FScanModbusStart) != platform::mrOk)
                return;
            startRegister = FScanModbusStart->StartModAdd;
        }
    } else if (kind == 1 && asks && platform::execModal(*FModbusStartAdd_SD) != platform::mrOk) {
        return;
    }
    // The list saved is the one whose results are on screen.
    if (m_results == Results::Wireless)
        SaveXMLWireless(append, startRegister, kind);
    else
        SaveXML(append, startRegister, kind);
}

void TFScanDecode::Carica_Dati_Modbus_Start_Add()
{
    QStringList identities;
    if (m_results == Results::Wireless) {
        auto meters = m_meters.lock();
        for (const auto &meter : meters)
            identities << QString::number(meter->ALA_Address);
    } else {
        auto slaves = m_slaves.lock();
        for (const auto &slave : slaves)
            identities << QString::number(slave->Primary_Addresss) + QStringLiteral(" - ") + slave->Secondary_Addresss;
    }
    FModbusStartAdd_SD->fillNodes(identities);
}

TSaveConfXML TFScanDecode::saveRecord(bool append, qint32 startRegister, int kind) const
{
    TSaveConfXML data;
    data.Append = append ? 1 : 0;
    data.XML_Code_Dev = XML_Code_Dev;
    data.Mod_Start = startRegister;
    data.Index_Baud = CB_MBus_Baud->currentIndex();
    data.Index_Par = CB_MBus_Parity->currentIndex();
    data.Node_ID_Type = CB_ScanBy->currentIndex();
    data.SND_NKE = CB_Opt_SND_NKE->isChecked() ? 1 : 0;
    data.Reset_App = CB_Opt_App_Reset->isChecked() ? 1 : 0;
    data.Cut_After = platform::parseInt32Or(E_Opt_Cut_After->text(), 3);
    data.StartModnode = kind;
    data.SMN_Array = FModbusStartAdd_SD->startRegisters();
    data.En_NodeState = FModbusStartAdd_SD->nodeStateEnabled();
    data.En_IdeNum = FModbusStartAdd_SD->identNumEnabled();
    data.File_Name = FileName_MBus;
    return data;
}

void TFScanDecode::SaveXML(bool append, qint32 startRegister, int kind)
{
    if (m_writers.wired)
        reportSaved(m_writers.wired(saveRecord(append, startRegister, kind), CB_Opt_Check_BCD_to_Int->isChecked()));
}

void TFScanDecode::SaveXMLWireless(bool append, qint32 startRegister, int kind)
{
    TSaveConfXML data = saveRecord(append, startRegister, kind);
    // A wireless network has no bus settings of its own.
    data.Index_Baud = 0;
    data.Index_Par = 0;
    data.SND_NKE = 0;
    data.Reset_App = 0;
    data.Cut_After = 3;
    if (m_writers.wireless)
        reportSaved(m_writers.wireless(data, CB_Opt_Check_BCD_to_Int->isChecked()));
}

void TFScanDecode::reportSaved(const TSaveConfResult &result)
{
    if (result.written())
        platform::showInformation(app::text(TextSaved));
    else if (result.outcome == TSaveConfResult::Outcome::FileFailed && result.error)
        platform::showError(result.error->message());
}

} // namespace scan
