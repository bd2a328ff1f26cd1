#include "project/dialogs/ParGenDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/AddressEdits.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "project/ParGenFile.h"
#include "project/ParGenValidation.h"
#include "project/dialogs/ComboIndex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <memory>

namespace project {
namespace {

using app::text;
using R = ParGenRow;
using G = ParGenGroup;

// Columns of the rows: a label at the left with its field beside it, or a
// longer label with a narrower field further right, or a field across.
constexpr int LabelLeft = 16;
constexpr int FieldLeft = 82;
constexpr int FieldWidth = 192;
constexpr int WideLabelFieldLeft = 148;
constexpr int WideLabelFieldWidth = 126;
constexpr int SpanWidth = 258;
constexpr int OctetLefts[4] = {16, 82, 148, 214};
constexpr int OctetWidth = 60;

QString latin1(const char *s) { return QString::fromLatin1(s); }

// The pick list of an element as ParGen.xml fixes it, whichever type has it.
QStringList itemsOf(const char *element)
{
    for (const int type : app::AllConverterTypes)
        if (const ParGenElement *e = findParGenElement(type, latin1(element)); e && !e->items.isEmpty())
            return e->items;
    return {};
}

// The field of a ParGen.xml element under its form name; values are shown
// and read back through the fields by element.
template <class Control>
Control *elementField(std::map<QString, QWidget *> &fields, QWidget *parent, const char *name, const char *element)
{
    auto *control = new Control(parent);
    control->setObjectName(latin1(name));
    fields[latin1(element)] = control;
    return control;
}

// The board variants of the type; types without a board choice keep the
// first family's list in the hidden control.
QStringList boardVariants(int type)
{
    const ParGenElement *e = findParGenElement(type, QStringLiteral("Sel_Dev"));
    if (!e)
        e = findParGenElement(1, QStringLiteral("Sel_Dev"));
    return e ? e->items : QStringList();
}

// Refills a list whose items follow the language, keeping the choice.
void refill(QComboBox *combo, const QStringList &items)
{
    const int chosen = combo->currentIndex();
    combo->clear();
    combo->addItems(items);
    setComboIndex(combo, chosen >= 0 ? chosen : 0);
}

PollMode pollModeOfItem(int item)
{
    switch (item) {
    case 0: return PollMode::OnRequest;
    case 1: return PollMode::Cyclic;
    default: return PollMode::Passive;
    }
}

int itemOfPollMode(PollMode mode)
{
    switch (mode) {
    case PollMode::OnRequest: return 0;
    case PollMode::Cyclic: return 1;
    case PollMode::Passive: break;
    }
    return 2;
}

// The sign on a group's 11 by 11 collapse (minus) or expand (plus) button:
// 5 by 5 pixels, centred inside the button's own frame.
QImage groupButtonGlyph(bool plus)
{
    constexpr int Size = 5;
    QImage glyph(Size, Size, QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    for (int i = 0; i < Size; ++i) {
        glyph.setPixelColor(i, Size / 2, Qt::black);
        if (plus)
            glyph.setPixelColor(Size / 2, i, Qt::black);
    }
    return glyph;
}

} // namespace

class TFParGen::HeldHandlers {
public:
    explicit HeldHandlers(TFParGen &dialog) : m_dialog(dialog) { ++m_dialog.m_handlersHeld; }
    ~HeldHandlers() { --m_dialog.m_handlersHeld; }
    HeldHandlers(const HeldHandlers &) = delete;
    HeldHandlers &operator=(const HeldHandlers &) = delete;

private:
    TFParGen &m_dialog;
};

TFParGen::TFParGen(int converterType, QWidget *parent) : DialogBase(parent), m_type(converterType)
{
    setObjectName(QStringLiteral("FParGen"));
    createControls();
    createRows();
    connectHandlers();
    joinLanguageChanges(app::LangOrder::GeneralParameters);
    platform::guarded([this] { FormCreate(); });
}

TFParGen::~TFParGen() = default;

void TFParGen::createControls()
{
    HeldHandlers hold(*this);
    L_SW_Code = new platform::TLabel(this);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    QFont codeFont = platform::makeFont(QStringLiteral("Verdana"), 8);
    codeFont.setPixelSize(32);
    L_SW_Code->setFont(codeFont);
    L_SW_Code->setFontColor(platform::clGray);
    L_SW_Code->move(16, 4);
    L_SW_Desc = new platform::TLabel(this);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->setFont(platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true}));
    L_SW_Desc->setFontColor(platform::clGray);
    L_SW_Desc->move(16, 46);

    auto group = [this](G which, const char *name) {
        auto *box = new platform::TGroupBox(this);
        box->setObjectName(latin1(name));
        box->hide();
        m_groups[index(which)] = box;
        auto *collapse = new controls::TLbButton(box);
        collapse->setObjectName(latin1(name) + QStringLiteral("_Collapse"));
        collapse->setGlyph(groupButtonGlyph(false));
        collapse->OnClick = [this](QObject *sender) { Btn_GB_Collapse(sender); };
        auto *expand = new controls::TLbButton(box);
        expand->setObjectName(latin1(name) + QStringLiteral("_Expand"));
        expand->setGlyph(groupButtonGlyph(true));
        expand->OnClick = [this](QObject *sender) { Btn_GB_Expande(sender); };
        for (controls::TLbButton *button : {collapse, expand}) {
            app::applyButtonLook(*button);
            button->setAlignment(controls::TAlignment::taCenter);
        }
        // The fixed group of the wireless models has no hints.
        collapse->setShowHint(which != G::SelDevWirePresent);
        expand->setShowHint(which != G::SelDevWirePresent);
        m_collapse[index(which)] = collapse;
        m_expand[index(which)] = expand;
        return box;
    };
    auto label = [](QWidget *parent, const char *name) {
        auto *l = new platform::TLabel(parent);
        l->setObjectName(latin1(name));
        return l;
    };
    auto edit = [this](QWidget *parent, const char *name, const char *element) {
        return elementField<QLineEdit>(m_fields, parent, name, element);
    };
    auto combo = [this](QWidget *parent, const char *name, const char *element, const QStringList &items) {
        auto *c = elementField<QComboBox>(m_fields, parent, name, element);
        c->setEditable(false);
        c->addItems(items);
        return c;
    };
    auto check = [this](QWidget *parent, const char *name, const char *element) {
        return elementField<QCheckBox>(m_fields, parent, name, element);
    };

    GB_Select_Device = group(G::SelectDevice, "GB_Select_Device");
    CB_Select_Device = combo(GB_Select_Device, "CB_Select_Device", "Sel_Dev", {});

    GB_Modbus_TCP_Slave = group(G::ModbusTcpSlave, "GB_Modbus_TCP_Slave");
    QWidget *tcp = GB_Modbus_TCP_Slave;
    L_IP = label(tcp, "L_IP");
    E_IP1 = edit(tcp, "E_IP1", "IP_1");
    E_IP2 = edit(tcp, "E_IP2", "IP_2");
    E_IP3 = edit(tcp, "E_IP3", "IP_3");
    E_IP4 = edit(tcp, "E_IP4", "IP_4");
    L_SM = label(tcp, "L_SM");
    E_SM1 = edit(tcp, "E_SM1", "SM_1");
    E_SM2 = edit(tcp, "E_SM2", "SM_2");
    E_SM3 = edit(tcp, "E_SM3", "SM_3");
    E_SM4 = edit(tcp, "E_SM4", "SM_4");
    CB_ModTCPs_EN_GAT = check(tcp, "CB_ModTCPs_EN_GAT", "Gat_Enable");
    E_GAT1 = edit(tcp, "E_GAT1", "GA_1");
    E_GAT2 = edit(tcp, "E_GAT2", "GA_2");
    E_GAT3 = edit(tcp, "E_GAT3", "GA_3");
    E_GAT4 = edit(tcp, "E_GAT4", "GA_4");
    L_Port = label(tcp, "L_Port");
    E_PORT = edit(tcp, "E_PORT", "TCP_Port");
    L_MTCPs_Conn_TO = label(tcp, "L_MTCPs_Conn_TO");
    E_MTCPs_Conn_TO = edit(tcp, "E_MTCPs_Conn_TO", "TCP_Conn_TimeOut");
    for (int i = 0; i < 9; ++i) {
        auto *dot = new platform::TLabel(QStringLiteral("."), tcp);
        dot->setObjectName(QStringLiteral("L_Dot%1").arg(i + 1));
        m_addressDots.push_back(dot);
    }

    GB_MBus = group(G::MBus, "GB_MBus");
    QWidget *mbus = GB_MBus;
    L_MBus_Serial = label(mbus, "L_MBus_Serial");
    L_MBus_Serial->setCaption(QStringLiteral("Serial"));
    CB_MBus_Serial = combo(mbus, "CB_MBus_Serial", "MBUS_Ser", itemsOf("MBUS_Ser"));
    L_MBus_Baud = label(mbus, "L_MBus_Baud");
    CB_MBus_Baud = combo(mbus, "CB_MBus_Baud", "Meter_Baud", itemsOf("Meter_Baud"));
    L_MBus_Parity = label(mbus, "L_MBus_Parity");
    CB_MBus_Parity = combo(mbus, "CB_MBus_Parity", "Meter_Par", itemsOf("Meter_Par"));
    L_MBus_Polls = label(mbus, "L_MBus_Polls");
    CB_MBus_Polls = combo(mbus, "CB_MBus_Polls", "Meter_Req_Type", {});
    L_MBus_Delay = label(mbus, "L_MBus_Delay");
    E_MBus_Delay = edit(mbus, "E_MBus_Delay", "Meter_Req_Delay");
    L_MBus_NodeState1 = label(mbus, "L_MBus_NodeState1");
    L_MBus_NodeState2 = label(mbus, "L_MBus_NodeState2");
    E_MBus_NodeState = edit(mbus, "E_MBus_NodeState", "Node_State");
    CB_MBus_Fix_CField = check(mbus, "CB_MBus_Fix_CField", "Enable_Use_Fix_C_Field");
    CB_MBus_Fix_CField_Val =
        combo(mbus, "CB_MBus_Fix_CField_Val", "Use_Fix_C_Field_Value", itemsOf("Use_Fix_C_Field_Value"));
    CB_MBus_Exception_Until_First_Read =
        check(mbus, "CB_MBus_Exception_Until_First_Read", "Reply_Exception_Until_First_Read");
    L_MBus_ConvInFloatOpt = label(mbus, "L_MBus_ConvInFloatOpt");
    CB_MBus_ConvInFloatOpt = combo(mbus, "CB_MBus_ConvInFloatOpt", "MBus_Convert_Float_Option_Words_Order", {});

    GB_Modbus_Slave = group(G::ModbusSlave, "GB_Modbus_Slave");
    QWidget *slave = GB_Modbus_Slave;
    L_Serial_Modbus_Slave = label(slave, "L_Serial_Modbus_Slave");
    CB_Serial_Modbus_Slave = combo(slave, "CB_Serial_Modbus_Slave", "Mod_Ser", itemsOf("Mod_Ser"));
    L_Baud_Modbus_Slave = label(slave, "L_Baud_Modbus_Slave");
    CB_Baud_Modbus_Slave = combo(slave, "CB_Baud_Modbus_Slave", "Mod_Baud", itemsOf("Mod_Baud"));
    L_Par_Modbus_Slave = label(slave, "L_Par_Modbus_Slave");
    CB_Par_Modbus_Slave = combo(slave, "CB_Par_Modbus_Slave", "Mod_Par", itemsOf("Mod_Par"));
    L_ModSlave_StopBits = label(slave, "L_ModSlave_StopBits");
    CB_ModSlave_StopBits = combo(slave, "CB_ModSlave_StopBits", "Mod_StopBit", itemsOf("Mod_StopBit"));
    L_ID_Modbus_Slave = label(slave, "L_ID_Modbus_Slave");
    E_ID_Modbus_Slave = edit(slave, "E_ID_Modbus_Slave", "Mod_Id");
    L_Protocol_Modbus_Slave = label(slave, "L_Protocol_Modbus_Slave");
    CB_Protocol_Modbus_Slave =
        combo(slave, "CB_Protocol_Modbus_Slave", "Mod_Protocol", itemsOf("Mod_Protocol"));

    GB_wMBus = group(G::WMBus, "GB_wMBus");
    L_wMBus_Mode = label(GB_wMBus, "L_wMBus_Mode");
    CB_wMBus_Mode = combo(GB_wMBus, "CB_wMBus_Mode", "wMBus_Mode", itemsOf("wMBus_Mode"));
    L_wMBus_Radio_Channel = label(GB_wMBus, "L_wMBus_Radio_Channel");
    CB_wMBus_Radio_Channel =
        combo(GB_wMBus, "CB_wMBus_Radio_Channel", "wMBus_Radio_Channel", itemsOf("wMBus_Radio_Channel"));

    GB_Sel_Dev_Wire_Present = group(G::SelDevWirePresent, "GB_Sel_Dev_Wire_Present");
    GB_Sel_Dev_Wire_Present->setTitle(QStringLiteral(" Select Device "));
    L_SD_Wire_Present_MBus = label(GB_Sel_Dev_Wire_Present, "L_SD_Wire_Present_MBus");
    L_SD_Wire_Present_MBus->setCaption(QStringLiteral("M-Bus on Wire"));
    CB_SD_Wire_Present_MBus = combo(GB_Sel_Dev_Wire_Present, "CB_SD_Wire_Present_MBus", "Sel_Dev_MBus_Present",
                                    itemsOf("Sel_Dev_MBus_Present"));

    Btn_OK = new controls::TLbButton(this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->OnClick = [this](QObject *sender) { Btn_OKClick(sender); };
    Btn_Cancel = new controls::TLbButton(this);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    // Cancel asks first when something changed, so it closes the dialog itself.
    Btn_Cancel->OnClick = [this](QObject *sender) { Btn_CancelClick(sender); };
    Btn_Cancel->setCancel(true);
    app::applyButtonLook(*Btn_OK);
    app::applyButtonLook(*Btn_Cancel);

    const auto edits = addressEdits();
    new app::AddressDotKeys({edits.begin(), edits.end()}, this);
}

void TFParGen::createRows()
{
    const auto octets = [](QLineEdit *a, QLineEdit *b, QLineEdit *c, QLineEdit *d) {
        return std::vector<QWidget *>{a, b, c, d};
    };
    m_rowWidgets = {
        {R::BoardVariant, {CB_Select_Device}},
        {R::IpLabel, {L_IP}},
        {R::IpEdits, octets(E_IP1, E_IP2, E_IP3, E_IP4)},
        {R::SubnetLabel, {L_SM}},
        {R::SubnetEdits, octets(E_SM1, E_SM2, E_SM3, E_SM4)},
        {R::GatewayCheck, {CB_ModTCPs_EN_GAT}},
        {R::GatewayEdits, octets(E_GAT1, E_GAT2, E_GAT3, E_GAT4)},
        {R::Port, {L_Port, E_PORT}},
        {R::ConnectionTimeOut, {L_MTCPs_Conn_TO, E_MTCPs_Conn_TO}},
        {R::MBusSerial, {L_MBus_Serial, CB_MBus_Serial}},
        {R::MBusBaud, {L_MBus_Baud, CB_MBus_Baud}},
        {R::MBusParity, {L_MBus_Parity, CB_MBus_Parity}},
        {R::MBusPolls, {L_MBus_Polls, CB_MBus_Polls}},
        {R::MBusDelay, {L_MBus_Delay, E_MBus_Delay}},
        {R::NodeState, {L_MBus_NodeState1, L_MBus_NodeState2, E_MBus_NodeState}},
        {R::FixCField, {CB_MBus_Fix_CField, CB_MBus_Fix_CField_Val}},
        {R::ExceptionUntilFirstRead, {CB_MBus_Exception_Until_First_Read}},
        {R::FloatOption, {L_MBus_ConvInFloatOpt, CB_MBus_ConvInFloatOpt}},
        {R::SlaveSerial, {L_Serial_Modbus_Slave, CB_Serial_Modbus_Slave}},
        {R::SlaveBaud, {L_Baud_Modbus_Slave, CB_Baud_Modbus_Slave}},
        {R::SlaveParity, {L_Par_Modbus_Slave, CB_Par_Modbus_Slave}},
        {R::SlaveStopBits, {L_ModSlave_StopBits, CB_ModSlave_StopBits}},
        {R::SlaveId, {L_ID_Modbus_Slave, E_ID_Modbus_Slave}},
        {R::SlaveProtocol, {L_Protocol_Modbus_Slave, CB_Protocol_Modbus_Slave}},
        {R::WMBusMode, {L_wMBus_Mode, CB_wMBus_Mode}},
        {R::WMBusChannel, {L_wMBus_Radio_Channel, CB_wMBus_Radio_Channel}},
        {R::WiredMBusPresent, {L_SD_Wire_Present_MBus, CB_SD_Wire_Present_MBus}},
    };
    // The dots between the octets belong to their line of edits.
    for (int line = 0; line < 3; ++line) {
        const R row = line == 0 ? R::IpEdits : line == 1 ? R::SubnetEdits : R::GatewayEdits;
        for (int i = 0; i < 3; ++i)
            m_rowWidgets[row].push_back(m_addressDots[line * 3 + i]);
    }
    for (auto &[row, widgets] : m_rowWidgets)
        for (QWidget *w : widgets)
            w->hide();
}

void TFParGen::connectHandlers()
{
    for (auto &[element, widget] : m_fields) {
        QWidget *sender = widget;
        auto change = [this, sender] { platform::guarded([this, sender] { On_Change(sender); }); };
        if (auto *e = qobject_cast<QLineEdit *>(widget))
            connect(e, &QLineEdit::textChanged, this, change);
        else if (auto *c = qobject_cast<QComboBox *>(widget))
            connect(c, &QComboBox::currentIndexChanged, this, change);
        else if (auto *b = qobject_cast<QCheckBox *>(widget))
            connect(b, &QCheckBox::toggled, this,
                    [this, sender] { platform::guarded([this, sender] { On_Click(sender); }); });
    }
}

std::array<QLineEdit *, 12> TFParGen::addressEdits() const
{
    return {E_IP1, E_IP2, E_IP3, E_IP4, E_SM1, E_SM2, E_SM3, E_SM4, E_GAT1, E_GAT2, E_GAT3, E_GAT4};
}

void TFParGen::FormCreate()
{
    L_SW_Code->setCaption(app::state().SW_Code);
    for (QGroupBox *box : m_groups)
        box->hide();
    {
        HeldHandlers hold(*this);
        CB_Select_Device->clear();
        CB_Select_Device->addItems(boardVariants(m_type));
        CB_Select_Device->setCurrentIndex(0);
    }
    Collapse_Expand_Creation();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Set_Lang()
{
    HeldHandlers hold(*this);
    setWindowTitle(text(90));
    L_SW_Desc->setCaption(text(91));
    Btn_OK->setCaption(text(92));
    Btn_Cancel->setCaption(text(93));

    GB_Select_Device->setTitle(text(94));
    GB_Modbus_TCP_Slave->setTitle(text(addressGroupTitleText(m_type)));
    L_IP->setCaption(text(96));
    L_SM->setCaption(text(97));
    CB_ModTCPs_EN_GAT->setText(text(98));
    L_Port->setCaption(text(99));
    L_MTCPs_Conn_TO->setCaption(text(100));

    GB_MBus->setTitle(text(101));
    L_MBus_Baud->setCaption(text(102));
    L_MBus_Parity->setCaption(text(103));
    L_MBus_Polls->setCaption(text(104));
    L_MBus_Delay->setCaption(text(105));
    L_MBus_NodeState1->setCaption(text(106));
    L_MBus_NodeState2->setCaption(text(107));
    QStringList polls = {text(274), text(275)};
    if (m_type == 3)
        polls << text(276);
    refill(CB_MBus_Polls, polls);

    for (const G group : {G::SelectDevice, G::ModbusTcpSlave, G::MBus, G::ModbusSlave, G::WMBus}) {
        collapseButton(group)->setHint(text(108));
        expandButton(group)->setHint(text(109));
    }

    GB_Modbus_Slave->setTitle(text(277));
    L_Serial_Modbus_Slave->setCaption(text(278));
    L_Baud_Modbus_Slave->setCaption(text(279));
    L_Par_Modbus_Slave->setCaption(text(280));
    L_ID_Modbus_Slave->setCaption(text(281));
    L_Protocol_Modbus_Slave->setCaption(text(282));
    L_ModSlave_StopBits->setCaption(text(352));

    GB_wMBus->setTitle(text(283));
    L_wMBus_Mode->setCaption(text(284));
    L_wMBus_Radio_Channel->setCaption(text(344));

    CB_MBus_Fix_CField->setText(text(377));
    CB_MBus_Exception_Until_First_Read->setText(text(388));
    L_MBus_ConvInFloatOpt->setCaption(text(389));
    refill(CB_MBus_ConvInFloatOpt, {text(390), text(391)});
}

ParGenValues TFParGen::currentValues() const
{
    ParGenValues values(m_type);
    for (const ParGenElement &element : values.elements()) {
        const auto it = m_fields.find(element.name);
        if (it == m_fields.end())
            continue;
        QWidget *field = it->second;
        switch (element.encoding) {
        case ParGenEncoding::Index:
            values.setIndex(element.name, static_cast<QComboBox *>(field)->currentIndex());
            break;
        case ParGenEncoding::Text:
            values.setText(element.name, static_cast<QLineEdit *>(field)->text());
            break;
        case ParGenEncoding::Flag:
            values.setFlag(element.name, static_cast<QCheckBox *>(field)->isChecked());
            break;
        case ParGenEncoding::Polls:
            values.setPolls(pollModeOfItem(CB_MBus_Polls->currentIndex()));
            break;
        }
    }
    return values;
}

void TFParGen::showValues(const ParGenValues &values)
{
    HeldHandlers hold(*this);
    for (const ParGenElement &element : values.elements()) {
        const auto it = m_fields.find(element.name);
        if (it == m_fields.end())
            continue;
        QWidget *field = it->second;
        switch (element.encoding) {
        case ParGenEncoding::Index:
            setComboIndex(static_cast<QComboBox *>(field), values.index(element.name));
            break;
        case ParGenEncoding::Text:
            static_cast<QLineEdit *>(field)->setText(values.text(element.name));
            break;
        case ParGenEncoding::Flag:
            static_cast<QCheckBox *>(field)->setChecked(values.flag(element.name));
            break;
        case ParGenEncoding::Polls:
            setComboIndex(CB_MBus_Polls, itemOfPollMode(values.polls()));
            break;
        }
    }
}

void TFParGen::FormShow()
{
    const ParGenReadResult read = readParGenFile(app::state().File_ParGen, m_type);
    m_unreadableFile = read.error;
    showValues(read.values);
    // What the change handlers would have done, run once on the values shown.
    applyPollsRule();
    Is_Change = false;
    Move_GroupBoxs();
    if (read.error)
        showLoadError(read.error->message()
                      + QStringLiteral("\n\nThe default values are shown. OK replaces the file only after "
                                       "you confirm it."));
}

void TFParGen::FormActivate()
{
    if (pos().y() < 0)
        move(pos().x(), 0);
}

bool TFParGen::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        platform::guarded([this] { FormActivate(); });
    return handled;
}

void TFParGen::On_Change(QObject *Sender)
{
    if (m_handlersHeld)
        return;
    Is_Change = true;
    if (Sender == CB_Select_Device)
        Move_GroupBoxs();
    if (m_type == 4) {
        // The converter has one RS232 port: the two lines cannot both use it.
        HeldHandlers hold(*this);
        if (Sender == CB_MBus_Serial && CB_MBus_Serial->currentIndex() == 1)
            CB_Serial_Modbus_Slave->setCurrentIndex(0);
        else if (Sender == CB_Serial_Modbus_Slave && CB_Serial_Modbus_Slave->currentIndex() == 1)
            CB_MBus_Serial->setCurrentIndex(0);
    }
    if (Sender == CB_SD_Wire_Present_MBus && pollsFixedCyclic(m_type))
        Move_GroupBoxs();
    if (Sender == CB_MBus_Polls)
        applyPollsRule();
}

void TFParGen::On_Click(QObject *)
{
    if (m_handlersHeld)
        return;
    Is_Change = true;
}

void TFParGen::applyPollsRule()
{
    // Answering with exceptions until the first reading only makes sense
    // while the meters are read cyclically.
    if (m_type == 1)
        CB_MBus_Exception_Until_First_Read->setEnabled(CB_MBus_Polls->currentIndex() == 1);
}

void TFParGen::applyFixedChoices()
{
    HeldHandlers hold(*this);
    if (pollsFixedCyclic(m_type)) {
        CB_MBus_Polls->setCurrentIndex(itemOfPollMode(PollMode::Cyclic));
        CB_MBus_Polls->setEnabled(false);
    }
    if (m_type == 6)
        CB_Protocol_Modbus_Slave->setCurrentIndex(0);
}

void TFParGen::IP_KeyPress(QObject *Sender, QChar &Key)
{
    const auto edits = addressEdits();
    app::addressEditKeyPress({edits.begin(), edits.end()}, Sender, Key);
}

void TFParGen::Collapse_Expand_Creation()
{
    for (const G group : AllParGenGroups) {
        m_choices.setExpanded(group, true);
        collapseButton(group)->setGeometry(CollapseButtonRect);
        expandButton(group)->setGeometry(CollapseButtonRect);
        collapseButton(group)->show();
        expandButton(group)->hide();
    }
}

void TFParGen::placeRow(const PlacedRow &placed)
{
    const int top = placed.top;
    const int fieldTop = top - FieldRaise;
    const std::vector<QWidget *> &widgets = m_rowWidgets.at(placed.row);
    const auto labelBeside = [&](int fieldLeft, int fieldWidth) {
        widgets[0]->move(LabelLeft, top);
        widgets[1]->setGeometry(fieldLeft, fieldTop, fieldWidth, FieldHeight);
    };
    switch (placed.row) {
    case R::BoardVariant: widgets[0]->setGeometry(LabelLeft, fieldTop, SpanWidth, FieldHeight); break;
    case R::IpLabel:
    case R::SubnetLabel: widgets[0]->move(LabelLeft, top); break;
    case R::IpEdits:
    case R::SubnetEdits:
    case R::GatewayEdits:
        for (int i = 0; i < 4; ++i)
            widgets[i]->setGeometry(OctetLefts[i], fieldTop, OctetWidth, FieldHeight);
        for (int i = 0; i < 3; ++i) {
            QWidget *dot = widgets[4 + i];
            const int gapLeft = OctetLefts[i] + OctetWidth;
            dot->move(gapLeft + (OctetLefts[i + 1] - gapLeft - dot->width()) / 2, top);
        }
        break;
    case R::GatewayCheck:
    case R::ExceptionUntilFirstRead:
        widgets[0]->setGeometry(LabelLeft, top - CheckBoxRaise, SpanWidth, CheckBoxHeight);
        break;
    case R::ConnectionTimeOut: labelBeside(OctetLefts[3], OctetWidth); break;
    case R::MBusPolls:
    case R::MBusDelay:
    case R::WMBusChannel:
    case R::WiredMBusPresent: labelBeside(WideLabelFieldLeft, WideLabelFieldWidth); break;
    case R::NodeState:
        widgets[0]->move(LabelLeft, top);
        widgets[1]->move(LabelLeft, top + NodeStateSecondLine);
        widgets[2]->setGeometry(WideLabelFieldLeft, top + NodeStateEditDrop, WideLabelFieldWidth, FieldHeight);
        break;
    case R::FixCField:
        widgets[0]->setGeometry(LabelLeft, top - CheckBoxRaise, WideLabelFieldLeft - LabelLeft, CheckBoxHeight);
        widgets[1]->setGeometry(WideLabelFieldLeft, fieldTop, WideLabelFieldWidth, FieldHeight);
        break;
    case R::FloatOption:
        widgets[0]->move(LabelLeft, top);
        widgets[1]->setGeometry(LabelLeft, top + FloatListDrop, SpanWidth, FieldHeight);
        break;
    default: labelBeside(FieldLeft, FieldWidth); break;
    }
}

void TFParGen::Move_GroupBoxs()
{
    m_choices.boardVariant = CB_Select_Device->currentIndex();
    m_choices.wiredMBusPresent = CB_SD_Wire_Present_MBus->currentIndex() == 1;
    applyFixedChoices();
    const ParGenDialogLayout layout = layoutParGenDialog(m_type, m_choices);

    // Only what changes is shown or hidden, so the focus stays where it is.
    QSet<QWidget *> shownRows;
    for (const PlacedGroup &placed : layout.groups) {
        QGroupBox *box = groupBox(placed.group);
        box->setGeometry(placed.rect);
        collapseButton(placed.group)->setVisible(placed.expanded);
        expandButton(placed.group)->setVisible(!placed.expanded);
        for (const PlacedRow &row : placed.rows) {
            placeRow(row);
            for (QWidget *w : m_rowWidgets.at(row.row))
                shownRows.insert(w);
        }
    }
    for (auto &[row, widgets] : m_rowWidgets)
        for (QWidget *w : widgets)
            w->setVisible(shownRows.contains(w));
    for (const G group : AllParGenGroups)
        groupBox(group)->setVisible(layout.find(group) != nullptr);

    Btn_OK->setGeometry(layout.okButton);
    Btn_Cancel->setGeometry(layout.cancelButton);
    setFixedSize(layout.client);
    followLayoutWithTab(layout);
}

void TFParGen::followLayoutWithTab(const ParGenDialogLayout &layout)
{
    // The groups stand in a different order for each type: Tab follows
    // what the user sees, top to bottom.
    QWidget *previous = nullptr;
    const auto chain = [&previous](QWidget *w) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            return;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (const PlacedGroup &placed : layout.groups) {
        chain(placed.expanded ? collapseButton(placed.group) : expandButton(placed.group));
        for (const PlacedRow &row : placed.rows)
            for (QWidget *w : m_rowWidgets.at(row.row))
                chain(w);
    }
    chain(Btn_OK);
    chain(Btn_Cancel);
}

ParGenGroup TFParGen::groupOfButton(QObject *button) const
{
    for (const G group : AllParGenGroups)
        if (button == collapseButton(group) || button == expandButton(group))
            return group;
    throw platform::Error(QStringLiteral("Unknown group button"));
}

void TFParGen::Btn_GB_Collapse(QObject *Sender)
{
    platform::guarded([&] {
        m_choices.setExpanded(groupOfButton(Sender), false);
        Move_GroupBoxs();
    });
}

void TFParGen::Btn_GB_Expande(QObject *Sender)
{
    platform::guarded([&] {
        m_choices.setExpanded(groupOfButton(Sender), true);
        Move_GroupBoxs();
    });
}

void TFParGen::focusField(const QString &element)
{
    const auto it = m_fields.find(element);
    if (it == m_fields.end() || !it->second->isVisible() || !it->second->isEnabled())
        return;
    it->second->setFocus(Qt::OtherFocusReason);
    if (auto *e = qobject_cast<QLineEdit *>(it->second))
        e->selectAll();
}

bool TFParGen::Controllo_Dati()
{
    const std::optional<ParGenRefusal> refusal = firstParGenRefusal(currentValues());
    if (!refusal)
        return true;
    platform::showError(text(refusal->text));
    focusField(refusal->element);
    return false;
}

bool TFParGen::confirmReplacingUnreadableFile()
{
    return platform::askWarningYesNo(
        QStringLiteral("The file \"%1\" could not be read when this window opened.\n\nReplace it with the values "
                       "shown?")
            .arg(QDir::toNativeSeparators(m_unreadableFile->path)));
}

void TFParGen::Btn_OKClick(QObject *)
{
    platform::guarded([this] {
        if (!app::requireOpenConfiguration() || !Controllo_Dati())
            return;
        if (m_unreadableFile && !confirmReplacingUnreadableFile())
            return;
        if (const std::optional<FileError> error = writeParGenFile(app::state().File_ParGen, currentValues())) {
            platform::showError(error->message());
            return;
        }
        m_unreadableFile.reset();
        done(platform::mrOk);
    });
}

void TFParGen::Btn_CancelClick(QObject *)
{
    platform::guarded([this] {
        if (Is_Change && !platform::askConfirmationYesNo(text(126)))
            return;
        done(platform::mrCancel);
    });
}

void TFParGen::reject() { Btn_CancelClick(Btn_Cancel); }

// The title bar's close button leaves as Cancel does, but without the
// question: the user asked the window itself to go.
void TFParGen::closeEvent(QCloseEvent *event)
{
    event->accept();
    done(platform::mrCancel);
}

app::StepHandler generalParametersStep(int converterType)
{
    auto dialog = std::make_shared<app::StepDialog<TFParGen>>();
    return [dialog, converterType](QWidget &mainWindow) {
        if (!app::requireOpenConfiguration())
            return;
        platform::execModal(
            dialog->of(mainWindow, [&](QWidget &owner) { return new TFParGen(converterType, &owner); }));
    };
}

} // namespace project
