#include "scan/dialogs/ScanDecodeDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/AddressEdits.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "controls/grid/model/ExCGrid.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "platform/HandlerGuard.h"
#include "platform/IntText.h"
#include "platform/draw/ImageList.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "project/DocumentFile.h"
#include "scan/dialogs/InsertKeyDialog.h"
#include "scan/dialogs/ModbusStartAddDialog.h"
#include "scan/dialogs/ScanDecodeLayout.h"
#include "scan/dialogs/ScanDecodeTexts.h"
#include "scan/dialogs/ScanModbusStartDialog.h"
#include "scan/dialogs/ScanNodeTexts.h"
#include "scan/dialogs/ScanProgressList.h"
#include "scan/dialogs/ScanRefusalText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHideEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace scan {
namespace {

constexpr int MethodWireless = 1;
constexpr int ScanBySecondary = 1;
constexpr int DefaultBaud = 2400;
constexpr int DefaultCutAfter = 3;

const QStringList BaudItems{QStringLiteral("300"),  QStringLiteral("600"),   QStringLiteral("1200"),
                            QStringLiteral("2400"), QStringLiteral("4800"),  QStringLiteral("9600"),
                            QStringLiteral("19200"), QStringLiteral("38400")};
const QStringList ParityItems{QStringLiteral("NONE"), QStringLiteral("EVEN"), QStringLiteral("ODD")};
const QStringList ModeItems{QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("N1"), QStringLiteral("N2"),
                            QStringLiteral("C")};
// The radio's code of each mode, in the order of ModeItems.
constexpr qint32 ModeCodes[] = {1, 5, 15, 17, 11};
const QStringList ChannelItems{QStringLiteral("1a @ 4800 bps"), QStringLiteral("1b @ 4800 bps"),
                               QStringLiteral("2a @ 2400 bps"), QStringLiteral("2b @ 2400 bps"),
                               QStringLiteral("3a @ 4800 bps"), QStringLiteral("3b @ 4800 bps"),
                               QStringLiteral("0 @ 19200 bps"), QStringLiteral("2a @ 4800 bps"),
                               QStringLiteral("2b @ 4800 bps")};
const QStringList FixCFieldItems{QStringLiteral("0x5X"), QStringLiteral("0x7X")};

template <class Control>
Control *named(QWidget *parent, const char *name)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QComboBox *listBox(QWidget *parent, const char *name, const QStringList &items, int selected)
{
    auto *box = named<QComboBox>(parent, name);
    box->addItems(items);
    box->setCurrentIndex(selected);
    return box;
}

QLineEdit *edit(QWidget *parent, const char *name, const QString &text)
{
    auto *e = named<QLineEdit>(parent, name);
    e->setText(text);
    return e;
}

void refill(QComboBox *box, const QStringList &items)
{
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(0);
}

} // namespace

QString joinedAddress(const QStringList &parts) { return parts.join(u'.'); }

TFScanDecode::TFScanDecode(QWidget *parent, ScanEngineSetup setup)
    : DialogBase(parent, TitleBar::WithSystemMenu),
      m_slaves(setup.slaves ? *setup.slaves : List_Slave_MBus()),
      m_meters(setup.meters ? *setup.meters : List_Wireless_Key())
{
    setup.slaves = &m_slaves;
    setup.meters = &m_meters;
    // The engine thread waits on its run gate until the window is shown.
    TR_ScanDecode = std::make_unique<TMBusScanDecode>(std::move(setup));
    m_writers.wired = [this](const TSaveConfXML &data, bool checkBcd) {
        return TR_ScanDecode->Save_XML_Conf_Wired(data, checkBcd);
    };
    m_writers.wireless = [this](const TSaveConfXML &data, bool checkBcd) {
        return TR_ScanDecode->Save_XML_Conf_Wireless(data, checkBcd);
    };

    IL_Tree1 = std::make_unique<platform::TImageList>(16, 16);
    IL_Wireless_Table = std::make_unique<platform::TImageList>(16, 16);
    fillScanImages(*IL_Tree1, *IL_Wireless_Table);

    createTitlePanel();
    createOptions();
    createWiredView();
    createWirelessView();
    createButtonPanel();
    createButtons();

    T_InScan = new QTimer(this);
    T_InScan->setObjectName(QStringLiteral("T_InScan"));
    T_InScan->setInterval(1000);
    connect(T_InScan, &QTimer::timeout, this, [this] { platform::guarded([this] { T_InScanTimer(); }); });

    FInsertKeyWireless = new TFInsertKeyWireless(this);
    FScanModbusStart = new TFScanModbusStart(this);
    FModbusStartAdd_SD = new TFModbusStartAdd_SD(this);

    platform::guarded([this] { FormCreate(); });
}

TFScanDecode::~TFScanDecode()
{
    // The engine's threads report to this window: they end first.
    TR_ScanDecode.reset();
    // The trees go before the lists they point into forget their nodes.
    LST->Clear();
    LST_Wireless->Clear();
}

void TFScanDecode::createOptions()
{
    P_Main = named<QWidget>(this, "P_Main");
    L_ScanMethod = named<platform::TLabel>(P_Main, "L_ScanMethod");
    CB_ScanMethod = named<QComboBox>(P_Main, "CB_ScanMethod");
    L_ScanBy = named<platform::TLabel>(P_Main, "L_ScanBy");
    CB_ScanBy = named<QComboBox>(P_Main, "CB_ScanBy");
    L_HardwareType = named<platform::TLabel>(P_Main, "L_HardwareType");
    CB_HardwareType = named<QComboBox>(P_Main, "CB_HardwareType");
    L_IP = named<platform::TLabel>(P_Main, "L_IP");
    E_IP1 = edit(P_Main, "E_IP1", QStringLiteral("192"));
    E_IP2 = edit(P_Main, "E_IP2", QStringLiteral("168"));
    E_IP3 = edit(P_Main, "E_IP3", QStringLiteral("2"));
    E_IP4 = edit(P_Main, "E_IP4", QStringLiteral("205"));
    L_IP_Dot1 = named<platform::TLabel>(P_Main, "L_IP_Dot1");
    L_IP_Dot2 = named<platform::TLabel>(P_Main, "L_IP_Dot2");
    L_IP_Dot3 = named<platform::TLabel>(P_Main, "L_IP_Dot3");
    for (platform::TLabel *dot : {L_IP_Dot1, L_IP_Dot2, L_IP_Dot3})
        dot->setCaption(QStringLiteral("."));
    new app::AddressDotKeys({E_IP1, E_IP2, E_IP3, E_IP4}, this);
    L_Port = named<platform::TLabel>(P_Main, "L_Port");
    E_Port = edit(P_Main, "E_Port", QStringLiteral("502"));
    L_MBus_ParGen = named<platform::TLabel>(P_Main, "L_MBus_ParGen");
    L_MBus_Baud = named<platform::TLabel>(P_Main, "L_MBus_Baud");
    CB_MBus_Baud = listBox(P_Main, "CB_MBus_Baud", BaudItems, int(BaudItems.indexOf(QStringLiteral("2400"))));
    L_MBus_Parity = named<platform::TLabel>(P_Main, "L_MBus_Parity");
    CB_MBus_Parity = listBox(P_Main, "CB_MBus_Parity", ParityItems, 1);
    L_wMBus_Mode = named<platform::TLabel>(P_Main, "L_wMBus_Mode");
    CB_wMBus_Mode = listBox(P_Main, "CB_wMBus_Mode", ModeItems, 0);
    L_wMBus_Radio_Channel = named<platform::TLabel>(P_Main, "L_wMBus_Radio_Channel");
    CB_wMBus_Radio_Channel = listBox(P_Main, "CB_wMBus_Radio_Channel", ChannelItems, 0);
    L_Option_Scan = named<platform::TLabel>(P_Main, "L_Option_Scan");
    CB_Opt_App_Reset = named<QCheckBox>(P_Main, "CB_Opt_App_Reset");
    CB_Opt_SND_NKE = named<QCheckBox>(P_Main, "CB_Opt_SND_NKE");
    L_Opt_Cut_After = named<platform::TLabel>(P_Main, "L_Opt_Cut_After");
    E_Opt_Cut_After = edit(P_Main, "E_Opt_Cut_After", QStringLiteral("3"));
    CB_Opt_Use_Fix_C_Field = named<QCheckBox>(P_Main, "CB_Opt_Use_Fix_C_Field");
    CB_Opt_Use_Fix_C_Field_Value = listBox(P_Main, "CB_Opt_Use_Fix_C_Field_Value", FixCFieldItems, 0);
    CB_Opt_Check_BCD_to_Int = named<QCheckBox>(P_Main, "CB_Opt_Check_BCD_to_Int");
    CB_Opt_Enable_Remote_Scan = named<QCheckBox>(P_Main, "CB_Opt_Enable_Remote_Scan");

    const auto relayout = [this] { platform::guarded([this] { Move_Object_Type_Form(); }); };
    for (QComboBox *box : {CB_ScanMethod, CB_ScanBy, CB_MBus_Baud, CB_MBus_Parity})
        connect(box, &QComboBox::currentIndexChanged, this, relayout);
}

void TFScanDecode::createButtons()
{
    const auto button = [this](const char *name, int width) {
        auto *b = named<controls::TLbButton>(P_Button, name);
        b->resize(width, 26);
        app::applyButtonLook(*b);
        b->OnClick = [this](QObject *sender) { BtnClick(sender); };
        return b;
    };
    Btn_StartScan = button("Btn_StartScan", ScanButtonWidth);
    Btn_StopScan = button("Btn_StopScan", ScanButtonWidth);
    Btn_AbortScan = button("Btn_AbortScan", ScanButtonWidth);
    Btn_NewScan = button("Btn_NewScan", ScanButtonWidth);
    Btn_SaveConf = button("Btn_SaveConf", ScanButtonWidth);
    Btn_SaveConfManual = button("Btn_SaveConfManual", SaveNodeButtonWidth);
}

void TFScanDecode::createWiredView()
{
    P_TreeView = named<QWidget>(this, "P_TreeView");
    L_ScanProgress = named<platform::TLabel>(P_TreeView, "L_ScanProgress");
    L_ScanProgress->move(8, 8);
    L_Num_Slave = named<platform::TLabel>(P_TreeView, "L_Num_Slave");
    L_Num_Slave->move(200, 8);
    L_AvailableDevice = named<platform::TLabel>(P_TreeView, "L_AvailableDevice");
    L_AvailableDevice->move(8, 32);
    LB_AvailableDevice = named<TScanProgressList>(P_TreeView, "LB_AvailableDevice");
    LST = named<vtree::TLazyStringTreeWidget>(P_TreeView, "LST");
    setUpTree(*LST);
}

void TFScanDecode::createWirelessView()
{
    P_View_Wireless = named<QWidget>(this, "P_View_Wireless");
    Splitter1 = named<QSplitter>(P_View_Wireless, "Splitter1");
    Splitter1->setOrientation(Qt::Vertical);
    P_W_Table = named<QWidget>(Splitter1, "P_W_Table");
    ESG_Wireless = named<controls::TExColumnGrid>(P_W_Table, "ESG_Wireless");
    // The meter number column is fixed; whole rows are selected, nothing is edited.
    ESG_Wireless->setColCount(WirelessGridColumns);
    ESG_Wireless->setFixedCols(1);
    ESG_Wireless->setFixedRows(1);
    for (int c = 0; c < WirelessGridColumns; ++c)
        ESG_Wireless->Columns().Items(c)->ReadOnly = true;
    ESG_Wireless->setOptions((ESG_Wireless->Options() | controls::goRowSelect) & ~controls::goEditing);
    ESG_Wireless->setGridImages(IL_Wireless_Table.get());
    ESG_Wireless->OnClickCell = [this](controls::TExStringGrid *sender, int row, int col) {
        ESG_WirelessClickCell(sender, row, col);
    };
    ESG_Wireless->OnDblClickCell = [this](controls::TExStringGrid *sender, int row, int col) {
        ESG_WirelessDblClickCell(sender, row, col);
    };
    P_W_Tree = named<QWidget>(Splitter1, "P_W_Tree");
    LST_Wireless = named<vtree::TLazyStringTreeWidget>(P_W_Tree, "LST_Wireless");
    setUpTree(*LST_Wireless);
    LST_Wireless->OnChecked = [this](vtree::TBaseLazyTree *sender, vtree::TLazyNode *node) {
        LST_WirelessChecked(sender, node);
    };
    for (auto [pane, child] : {std::pair<QWidget *, QWidget *>{P_W_Table, ESG_Wireless}, {P_W_Tree, LST_Wireless}}) {
        auto *fill = new QVBoxLayout(pane);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(child);
    }
}

void TFScanDecode::FormCreate()
{
    Form_Type = 0;
    CB_ScanMethod->setCurrentIndex(0);
    const std::array<int, WirelessGridColumns> widths{40, 65, 90, 120, 90, 85, 110, 120, 90, 85, 110, 50, 70};
    for (int c = 0; c < WirelessGridColumns; ++c)
        ESG_Wireless->Columns().Items(c)->setWidth(widths[std::size_t(c)]);
    Cancel_Grid_Wireless();
    Splitter1->setSizes({WirelessTableHeight, WirelessTableHeight});
    Set_Lang();
    Form_Style(ScanFormStyle::Ready);
}

void TFScanDecode::Set_Lang()
{
    setWindowTitle(app::text(TextCaption));
    L_SW_Code->setCaption(app::text(TextCode));
    L_SW_Desc->setCaption(app::text(TextDescription));
    L_ScanMethod->setCaption(app::text(TextScanMethod));
    refill(CB_ScanMethod, {app::text(TextWired), app::text(TextWireless)});
    L_ScanBy->setCaption(app::text(TextScanBy));
    refill(CB_ScanBy, {app::text(TextPrimary), app::text(TextSecondary)});
    L_HardwareType->setCaption(app::text(TextHardwareType));
    refill(CB_HardwareType, {app::text(TextEthernet), app::text(TextSerial)});
    L_IP->setCaption(app::text(TextIpAddress));
    L_Port->setCaption(app::text(TextPort));
    L_MBus_ParGen->setCaption(app::text(TextParameters));
    L_MBus_Baud->setCaption(app::text(TextBaud));
    L_MBus_Parity->setCaption(app::text(TextParity));
    L_wMBus_Mode->setCaption(app::text(TextMode));
    L_wMBus_Radio_Channel->setCaption(app::text(TextRadioChannel));
    L_Option_Scan->setCaption(app::text(TextOptions));
    CB_Opt_App_Reset->setText(app::text(TextAppReset));
    CB_Opt_SND_NKE->setText(app::text(TextSndNke));
    L_Opt_Cut_After->setCaption(app::text(TextCutAfter));
    CB_Opt_Use_Fix_C_Field->setText(app::text(TextFixCField));
    CB_Opt_Check_BCD_to_Int->setText(app::text(TextCheckBcd));
    CB_Opt_Enable_Remote_Scan->setText(app::text(TextRemoteScan));
    Btn_StartScan->setCaption(app::text(TextStartScan));
    Btn_StopScan->setCaption(app::text(TextStopScan));
    Btn_AbortScan->setCaption(app::text(TextAbortScan));
    Btn_NewScan->setCaption(app::text(TextNewScan));
    Btn_SaveConf->setCaption(app::text(TextSaveConf));
    Btn_SaveConfManual->setCaption(app::text(TextSaveNodeConf));
    L_AvailableDevice->setCaption(app::text(TextDeviceList));
    const QStringList headers = wirelessGridHeaders();
    for (int c = 0; c < WirelessGridColumns; ++c)
        ESG_Wireless->Columns().Items(c)->setHeader(headers[c]);
}

void TFScanDecode::FormShow()
{
    Move_Object_Type_Form();
    TR_ScanDecode->Event_Run.SetEvent();
    readIpFromParGen();
    Form_Style(ScanFormStyle::Ready);
}

void TFScanDecode::readIpFromParGen()
{
    const QString path = app::state().File_ParGen;
    if (path.isEmpty() || !QFile::exists(path))
        return;
    const project::LoadedDocument document = project::loadDocumentFile(path);
    if (document.missing)
        return;
    if (document.error) {
        // Nothing read is shown as if it were the converter's address.
        for (QLineEdit *e : {E_IP1, E_IP2, E_IP3, E_IP4})
            e->clear();
        showLoadError(app::text(TextParGenUnreadable) + u'\n' + document.error->message());
        return;
    }
    const QDomElement root = document.root();
    const std::array<QLineEdit *, 4> edits{E_IP1, E_IP2, E_IP3, E_IP4};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const QDomElement element = root.firstChildElement(QStringLiteral("IP_%1").arg(i + 1));
        if (!element.isNull())
            edits[i]->setText(element.text());
    }
}

bool TFScanDecode::wirelessMethod() const
{
    return Form_Type == 1 && CB_ScanMethod->currentIndex() == MethodWireless;
}

void TFScanDecode::hideEvent(QHideEvent *event)
{
    DialogBase::hideEvent(event);
    if (!event->spontaneous())
        platform::guarded([this] { FormClose(); });
}

void TFScanDecode::FormClose()
{
    T_InScan->stop();
    if (!TR_ScanDecode)
        return; // the window is being destroyed
    // A scan is ended through its end steps, so that the converter leaves
    // its analyzer or configuration mode; the engine runs them on its own
    // thread whatever the run gate, and alone clears InScan. The window does
    // not wait for them: it closes at once.
    if (TR_ScanDecode->InScan())
        TR_ScanDecode->Abort_Scan();
    TR_ScanDecode->Event_Run.ResetEvent();
}

bool TFScanDecode::scanTimerActive() const { return T_InScan->isActive(); }

void TFScanDecode::BtnClick(QObject *Sender)
{
    platform::guarded([&] {
        if (Sender == Btn_StartScan) {
            Select_Scan();
        } else if (Sender == Btn_StopScan) {
            if (TR_ScanDecode->InScan())
                TR_ScanDecode->Stop_Scan();
        } else if (Sender == Btn_AbortScan) {
            if (TR_ScanDecode->InScan())
                TR_ScanDecode->Abort_Scan();
        } else if (Sender == Btn_NewScan) {
            Cancel_Device_List();
            Form_Style(ScanFormStyle::Ready);
        } else if (Sender == Btn_SaveConf) {
            Select_SaveXML(0);
        } else if (Sender == Btn_SaveConfManual) {
            Select_SaveXML(1);
        }
    });
}

void TFScanDecode::Select_Scan()
{
    if (wirelessMethod())
        StarScanWireless();
    else
        StartScan();
}

void TFScanDecode::StartScan()
{
    if (TR_ScanDecode->InScan()) {
        platform::showError(app::text(TextScanInProgress));
        return;
    }
    Cancel_Device_List();
    const TScanType type =
        CB_ScanBy->currentIndex() == ScanBySecondary ? TScanType::saSecondaryAddress : TScanType::saPrimaryAddress;
    const QString address = joinedAddress({E_IP1->text(), E_IP2->text(), E_IP3->text(), E_IP4->text()});
    const qint32 baud = platform::parseInt32Or(CB_MBus_Baud->currentText(), DefaultBaud);
    const qint32 cutAfter = platform::parseInt32Or(E_Opt_Cut_After->text(), DefaultCutAfter);
    LB_AvailableDevice->clear();
    LB_AvailableDevice->show();
    TR_ScanDecode->SaveXMLFile.clear();
    m_results = Results::Wired;
    QPointer<TFScanDecode> self(this);
    const ScanStart started = TR_ScanDecode->Start_Scan(
        type, TSelectHard::shEthernet, address, baud, CB_MBus_Parity->currentIndex(), CB_Opt_App_Reset->isChecked(),
        CB_Opt_SND_NKE->isChecked(), cutAfter, CB_Opt_Use_Fix_C_Field->isChecked(),
        quint8(CB_Opt_Use_Fix_C_Field_Value->currentIndex()), CB_Opt_Enable_Remote_Scan->isChecked(),
        [self](qint32 kind, qint32 value, qint32 found, qint32 scan) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, kind, value, found, scan] {
                    if (self)
                        platform::guarded([&] { self->Show_Scan_Progress(kind, value, found, scan); });
                },
                Qt::QueuedConnection);
        });
    if (!started.started()) {
        refuseStart(started, address, AnalyzerPort);
        return;
    }
    Form_Style(ScanFormStyle::WiredRunning);
    T_InScan->start();
}

void TFScanDecode::StarScanWireless()
{
    if (TR_ScanDecode->InScan()) {
        platform::showError(app::text(TextScanInProgress));
        return;
    }
    const std::optional<qint32> port = platform::tryParseInt32(E_Port->text());
    if (!port || *port < 0 || *port > 65535) {
        platform::showError(app::text(TextBadPort));
        return;
    }
    clearWirelessResults();
    const QString address = joinedAddress({E_IP1->text(), E_IP2->text(), E_IP3->text(), E_IP4->text()});
    const int mode = std::clamp(CB_wMBus_Mode->currentIndex(), 0, int(std::size(ModeCodes)) - 1);
    Cancel_Grid_Wireless();
    m_results = Results::Wireless;
    QPointer<TFScanDecode> self(this);
    const ScanStart started = TR_ScanDecode->Start_Scan_Wireless(
        TSelectHard::shEthernet, address, quint16(*port), ModeCodes[mode], CB_wMBus_Radio_Channel->currentIndex(),
        CB_Opt_Enable_Remote_Scan->isChecked(), [self](const WirelessReport &report) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, report] {
                    if (self)
                        platform::guarded([&] { self->Show_Wireless_Row(report); });
                },
                Qt::QueuedConnection);
        });
    if (!started.started()) {
        refuseStart(started, address, quint16(*port));
        return;
    }
    Form_Style(ScanFormStyle::WirelessRunning);
    T_InScan->start();
}

void TFScanDecode::refuseStart(const ScanStart &start, const QString &address, quint16 port)
{
    // Nothing runs: the window stays ready for the user to mend the cause.
    platform::showError(refusalText(start, address, port));
    Form_Style(ScanFormStyle::Ready);
}

void TFScanDecode::T_InScanTimer()
{
    T_InScan->stop();
    if (TR_ScanDecode->InScan()) {
        T_InScan->start();
        return;
    }
    if (TR_ScanDecode->Result() == 2) {
        platform::showError(app::text(TextAnalyzerNotFound));
        Form_Style(ScanFormStyle::Ready);
    } else if (m_results == Results::Wireless) {
        Form_Style(ScanFormStyle::WirelessDone);
    } else {
        Form_Style(ScanFormStyle::WiredDone);
        Show_Slave_in_Tree();
    }
}

void TFScanDecode::Show_Scan_Progress(qint32 Kind, qint32 Value, qint32 Found, qint32 Scan)
{
    if (const std::optional<QString> line = progressLine(Kind, Value, Found, Scan))
        LB_AvailableDevice->addLine(*line);
}

} // namespace scan
