// The wireless step machine: configuration mode and the module's name
// (steps 0 to 3), the Telit set-up (100 to 133) and reception (134), a
// Telit key (200 to 221), the RadioCrafts set-up (300 to 319) and reception
// (320), a RadioCrafts key (400 to 419), then the end steps (from 500).
// Every command is sent by its own step and waited for by the step after it.
#include "scan/MBusScanDecode.h"

#include "platform/LocalTime.h"
#include "scan/RadioModule.h"

#include <algorithm>

namespace scan {

namespace {

constexpr qint32 ModuleQueryStep = 2;
constexpr qint32 TelitSetupStep = 100;
constexpr qint32 TelitOnlineStep = 132;
constexpr qint32 TelitReception = 134;
constexpr qint32 TelitKeyStep = 200;
constexpr qint32 TelitFirstMeterRegisterStep = 202;
constexpr qint32 TelitLastMeterRegisterStep = 216;
constexpr qint32 TelitKeyByteStep = 218;
constexpr qint32 TelitKeyEnableStep = 220;
constexpr qint32 RadioCraftsSetupStep = 300;
constexpr qint32 RadioCraftsEndMemoryStep = 308;
constexpr qint32 RadioCraftsEraseStep = 310;
constexpr qint32 RadioCraftsNextEntryStep = 313;
constexpr qint32 RadioCraftsEntryStep = 314;
constexpr qint32 RadioCraftsExitStep = 318;
constexpr qint32 RadioCraftsReceiveStep = 319;
constexpr qint32 RadioCraftsReception = 320;
constexpr qint32 RadioCraftsKeyStep = 400;

constexpr int TelitFirstMeterRegister = 461;
constexpr int TelitFirstKeyRegister = 470;
constexpr int TelitKeyEnableRegister = 460;
constexpr int TelitKeyEnableValue = 5;

bool narrowBand(qint32 mode) { return mode == wmbus::ModeN1 || mode == wmbus::ModeN2; }

// The Telit set-up after the reset: S registers and their values, in order.
// The narrow-band modes N1 and N2 leave some out.
constexpr int ModeValue = -1;
constexpr int ChannelValue = -2;
struct TelitSetting {
    qint32 step;
    int reg;
    int value;
    bool leftOutForNarrowBand;
};
constexpr TelitSetting TelitSettings[] = {
    {104, 400, ModeValue, false}, {106, 401, 0, false}, {108, 402, 191, false}, {110, 420, ChannelValue, false},
    {112, 421, 0, true},          {114, 422, 3, false}, {116, 430, 5, false},   {118, 431, 5, false},
    {120, 440, 0, false},         {122, 441, 0, false}, {124, 442, 0, true},    {126, 452, 0, false},
    {128, 453, 0, false},         {130, 454, 0, true},
};

const TelitSetting *telitSetting(qint32 step)
{
    for (const TelitSetting &setting : TelitSettings)
        if (setting.step == step)
            return &setting;
    return nullptr;
}

// The step after a Telit setting: the next one the mode takes, else "ATO".
qint32 nextTelitStep(qint32 step, qint32 mode)
{
    for (qint32 next = step + 2;; next += 2) {
        const TelitSetting *setting = telitSetting(next);
        if (!setting)
            return TelitOnlineStep;
        if (!(setting->leftOutForNarrowBand && narrowBand(mode)))
            return next;
    }
}

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

QByteArray byteOf(std::int32_t value) { return QByteArray(1, char(std::uint8_t(value))); }

} // namespace

// Reads the meter whose key is being installed, under the list's lock. The
// list only shrinks while no scan runs; a meter that is gone all the same
// fails the step, which ends the scan.
template <class F>
auto TMBusScanDecode::withKeyMeter(F read)
{
    auto meters = m_meters.lock();
    return read(meters.at(Wireless_Key_Index));
}

ScanStart TMBusScanDecode::Start_Scan_Wireless(TSelectHard SelHard, const QString &IP_COM, quint16 Port,
                                               qint32 wMBus_Mode, qint32 wMBus_Radio_Channel, bool RemoteTimeout,
                                               TUpdateListWirelessSlave Proc_Wireless)
{
    // The converter answers from the port it was spoken to, to the port
    // spoken from: the engine binds the port it sends to.
    return startScan(SelHard, TransportTarget{IP_COM, Port, Port, {}}, RemoteTimeout, [&] {
        UpdateListWirelessSlave = std::move(Proc_Wireless);
        MBusType = TMBusType::mtWireless;
        wMBusMode = wMBus_Mode;
        wMBusRadioChannel = wMBus_Radio_Channel;
    });
}

bool TMBusScanDecode::Insert_Wireless_Key(qint32 Index, std::span<const std::uint8_t> Key)
{
    if (Key.size() < Wireless_Key.size())
        return false;
    // Between two steps: the check of the step and its change are one, so
    // that they cannot undo an end that the engine has begun meanwhile.
    std::lock_guard step(m_stepMutex);
    bool receiving = false;
    TRadioModule module = TRadioModule::rmTelit;
    {
        std::lock_guard lock(m_mutex);
        receiving = FInScan && MBusType == TMBusType::mtWireless
                 && (Step_Scan == TelitReception || Step_Scan == RadioCraftsReception);
        module = RadioModule;
    }
    auto meters = m_meters.lock();
    TSlave_wMBus *meter = meters.tryAt(Index);
    if (!meter)
        return false;
    std::copy_n(Key.begin(), Wireless_Key.size(), Wireless_Key.begin());
    bool refused = false;
    if (module == TRadioModule::rmRadioCrafts && meter->RadioCrafts_Ind_Tab_Decript < 1) {
        if (Index_RadioCrafts_Position_Used <= radiocrafts::TableEntries)
            meter->RadioCrafts_Ind_Tab_Decript = Index_RadioCrafts_Position_Used++;
        else
            refused = true; // the module's key table is full
    }
    Wireless_Key_Index = Index;
    if (refused || !receiving)
        return false;
    meter->Enable_Key = true;
    meter->Key = Wireless_Key;
    Step_Scan = Step_Scan == TelitReception ? TelitKeyStep : RadioCraftsKeyStep;
    return true;
}

void TMBusScanDecode::stepWireless()
{
    if (Step_Scan < WirelessEnd.first && (stopRequested() || abortRequested()))
        Step_Scan = WirelessEnd.first;
    if (Step_Scan >= WirelessEnd.first) {
        // From here on the module's telegrams are no longer taken in, so the
        // converter's reply to the end command reaches the end steps.
        if (Step_Scan == WirelessEnd.first)
            setReceiving(false);
        stepEnd(WirelessEnd);
        return;
    }
    if (Select_Hardware == TSelectHard::shSerial) {
        // Nothing answers over a serial port: the scan waits to be stopped.
        if (Step_Scan == 0) {
            setReceiving(false);
            setResult(1);
        }
        return;
    }

    switch (Step_Scan) {
    case 0:
        setReceiving(false);
        setResult(1);
        break;
    case ModuleQueryStep:
        setResult(1);
        break;
    case TelitReception:
    case RadioCraftsReception:
        return; // telegrams arrive through the intake
    case TelitKeyStep:
    case RadioCraftsKeyStep:
        setReceiving(false); // the module's replies are answers again
        break;
    case RadioCraftsSetupStep:
        Index_RadioCrafts_Position_Used = 1;
        break;
    case RadioCraftsEraseStep:
        if (Index_RadioCrafts_Erase_Position > radiocrafts::ErasedEntries - 1) {
            Step_Scan = RadioCraftsExitStep;
            return;
        }
        break;
    case RadioCraftsNextEntryStep:
        if (Index_RadioCrafts_Erase_Position > radiocrafts::ErasedEntries) {
            Step_Scan = RadioCraftsExitStep;
        } else {
            ++Index_RadioCrafts_Erase_Position;
            Step_Scan = RadioCraftsEntryStep;
        }
        return;
    case RadioCraftsReceiveStep:
        setReceiving(true);
        Step_Scan = RadioCraftsReception;
        return;
    default:
        break;
    }

    if (const std::optional<Exchange> exchange = wirelessExchange(Step_Scan))
        sendExchange(*exchange);
    else if (const std::optional<Exchange> sent = wirelessExchange(Step_Scan - 1))
        awaitExchange(Step_Scan - 1, *sent);
    else
        failWireless();
}

// What the sending step `step` sends and waits for; nullopt for a step that
// sends nothing.
std::optional<TMBusScanDecode::Exchange> TMBusScanDecode::wirelessExchange(qint32 step)
{
    using namespace radiocrafts;
    const auto atCommand = [](QByteArray command, qint32 next) {
        return Exchange{std::move(command), 1000, Expect::Reply, bytesOf(telit::Ok), next};
    };
    const auto prompted = [](QByteArray bytes, qint32 next) {
        return Exchange{std::move(bytes), 1000, Expect::Reply, byteOf(Prompt), next};
    };
    const auto then = [](QByteArray bytes, qint32 timeout, Expect expect, qint32 next) {
        return Exchange{std::move(bytes), timeout, expect, {}, next};
    };
    const auto tableEntry = [this] {
        return byteOf(withKeyMeter([](const TSlave_wMBus &meter) { return meter.RadioCrafts_Ind_Tab_Decript; }));
    };

    if (const TelitSetting *setting = telitSetting(step)) {
        const int value = setting->value == ModeValue      ? wMBusMode
                        : setting->value == ChannelValue ? wMBusRadioChannel
                                                         : setting->value;
        return atCommand(telit::setRegister(setting->reg, value), nextTelitStep(step, wMBusMode));
    }
    if (step >= TelitFirstMeterRegisterStep && step <= TelitLastMeterRegisterStep && step % 2 == 0) {
        const auto field = static_cast<std::size_t>(step - TelitFirstMeterRegisterStep) / 2;
        const std::uint8_t value = withKeyMeter([](const TSlave_wMBus &m) { return telitMeterRegisters(m); })[field];
        return atCommand(telit::setRegister(TelitFirstMeterRegister + int(field), value), step + 2);
    }
    switch (step) {
    case 0:
        return Exchange{bytesOf(analyzer::EnableConfigurationMode), 1000, Expect::Reply,
                        bytesOf(analyzer::ConfigurationModeEnabled), ModuleQueryStep};
    case ModuleQueryStep:
        return then(bytesOf(analyzer::TypeRadioModule), 1000, Expect::ModuleType, 0);
    case TelitSetupStep:
    case TelitKeyStep:
        return atCommand(bytesOf(telit::CommandMode), step + 2);
    case TelitSetupStep + 2:
        return atCommand(bytesOf(telit::Reset), TelitSetupStep + 4);
    case TelitOnlineStep:
        return atCommand(bytesOf(telit::Online), TelitReception);
    case TelitKeyByteStep: {
        const auto i = static_cast<std::size_t>(std::clamp(Index_Key_Send, 0, 15));
        return atCommand(telit::setRegister(TelitFirstKeyRegister + int(i), Wireless_Key[i]), TelitKeyByteStep);
    }
    case TelitKeyEnableStep:
        return atCommand(telit::setRegister(TelitKeyEnableRegister, TelitKeyEnableValue), TelitOnlineStep);
    case RadioCraftsSetupStep:
    case RadioCraftsKeyStep:
        return prompted(byteOf(EnterConfiguration), step + 2);
    case 302:
        return then(byteOf(ReadMemory), 1000, Expect::MemoryDump, 304);
    case 304:
        return prompted(byteOf(WriteMemory), 306);
    case 306:
        return then(Build_RC_Config(wMBusMode), 500, Expect::AnyOrTimeout, RadioCraftsEndMemoryStep);
    case RadioCraftsEndMemoryStep:
        return prompted(byteOf(EndMemory), RadioCraftsEraseStep);
    case RadioCraftsEraseStep:
        return prompted(byteOf(MeterAddress), RadioCraftsNextEntryStep);
    case RadioCraftsEntryStep:
        return then(byteOf(Index_RadioCrafts_Erase_Position), 100, Expect::AnyOrTimeout, 316);
    case 316:
        return then(Build_RC_Erase_Entry(), 1000, Expect::FirstPrompt, RadioCraftsEraseStep);
    case RadioCraftsExitStep:
        return then(byteOf(ExitConfiguration), 1000, Expect::Nothing, RadioCraftsReceiveStep);
    case 402:
        return prompted(byteOf(MeterAddress), 404);
    case 404:
    case 410:
    case 416:
        return then(tableEntry(), 100, Expect::AnyOrTimeout, step + 2);
    case 406:
        return then(withKeyMeter([](const TSlave_wMBus &m) { return Build_RC_Meter_Address(m); }), 1000,
                    Expect::FirstPrompt, 408);
    case 408:
        return prompted(byteOf(MeterKey), 410);
    case 412:
        return then(withKeyMeter([](const TSlave_wMBus &m) { return Build_RC_Key(m); }), 1000, Expect::FirstPrompt,
                    414);
    case 414:
        return prompted(byteOf(ActivateEntry), 416);
    case 418:
        return prompted(QByteArray::fromRawData("\x00\x40", 2), RadioCraftsExitStep);
    default:
        return std::nullopt;
    }
}

void TMBusScanDecode::sendExchange(const Exchange &exchange)
{
    TimeOut_Calc = Add_TimeOut + exchange.timeout;
    sendFrame(exchange.bytes);
    Step_Scan = exchange.expect == Expect::Nothing ? exchange.next : Step_Scan + 1;
}

void TMBusScanDecode::awaitExchange(qint32 sentStep, const Exchange &exchange)
{
    // The answer is looked at before the time-out: one that came within the
    // wait counts even when the step finds the time passed. Anything that is
    // not the reply is ignored while the wait goes on.
    const Answer answer =
        takeAnswer([this, &exchange](std::span<const std::uint8_t> bytes) { return answers(exchange, bytes); });
    if (answer.arrived) {
        if (exchange.expect == Expect::ModuleType) {
            const bool isTelit = isReply(answer.span(), analyzer::TelitModule);
            {
                std::lock_guard lock(m_mutex);
                RadioModule = isTelit ? TRadioModule::rmTelit : TRadioModule::rmRadioCrafts;
            }
            Step_Scan = isTelit ? TelitSetupStep : RadioCraftsSetupStep;
        } else {
            afterReply(sentStep, exchange.next);
        }
    } else if (Answer_Timed_Out()) {
        if (exchange.expect == Expect::AnyOrTimeout)
            afterReply(sentStep, exchange.next);
        else
            failWireless();
    }
}

bool TMBusScanDecode::answers(const Exchange &exchange, std::span<const std::uint8_t> bytes)
{
    switch (exchange.expect) {
    case Expect::Reply:
        return bytes.size() == std::size_t(exchange.reply.size())
            && std::equal(bytes.begin(), bytes.end(), reinterpret_cast<const std::uint8_t *>(exchange.reply.constData()));
    case Expect::MemoryDump:
        return bytes.size() == radiocrafts::MemorySize + 1 && bytes.back() == radiocrafts::Prompt;
    case Expect::FirstPrompt:
        return !bytes.empty() && bytes.front() == radiocrafts::Prompt;
    case Expect::AnyOrTimeout:
        return true;
    case Expect::ModuleType:
        return isReply(bytes, analyzer::TelitModule) || isReply(bytes, analyzer::RadioCraftsModule);
    case Expect::Nothing:
        break;
    }
    return false;
}

void TMBusScanDecode::afterReply(qint32 sentStep, qint32 next)
{
    switch (sentStep) {
    case TelitOnlineStep:
        setReceiving(true);
        break;
    case TelitLastMeterRegisterStep:
        Index_Key_Send = 0;
        break;
    case TelitKeyByteStep:
        // Sixteen key bytes, one register each.
        if (Index_Key_Send < 15) {
            ++Index_Key_Send;
        } else {
            next = TelitKeyEnableStep;
        }
        break;
    case TelitKeyEnableStep:
        Index_Key_Send = 0;
        break;
    case RadioCraftsEndMemoryStep:
        Index_RadioCrafts_Erase_Position = 0;
        break;
    default:
        break;
    }
    Step_Scan = next;
}

void TMBusScanDecode::failWireless()
{
    setResult(2);
    Step_Scan = WirelessEnd.first;
}

void TMBusScanDecode::setReceiving(bool receiving)
{
    std::lock_guard lock(m_mutex);
    Wireless_Receive_Message = receiving;
}

bool TMBusScanDecode::Process_Wireless_Frame(std::span<const std::uint8_t> datagram, TRadioModule module)
{
    // Each datagram on its own: nothing one of them does may end the
    // receiving thread or keep the next from being taken.
    try {
        const std::optional<WirelessReport> report =
            takeWirelessTelegram(m_meters, datagram, module, platform::currentLocalTime());
        if (!report)
            return false;
        Report_Wireless_Slave(*report);
        return true;
    } catch (...) {
        return false;
    }
}

void TMBusScanDecode::Report_Wireless_Slave(const WirelessReport &report)
{
    if (!UpdateListWirelessSlave)
        return;
    try {
        UpdateListWirelessSlave(report);
    } catch (...) {
        // The receiver's failure is not the scan's.
    }
}

} // namespace scan
