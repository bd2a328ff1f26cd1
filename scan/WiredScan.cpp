// The wired step machine: analyzer mode (steps 0 and 1), every primary
// address (2 to 10), or the wildcard search over the identification number
// (100 to 125), then the end steps (from 200). One step per call.
#include "scan/MBusScanDecode.h"

#include "scan/RspUdDecoder.h"

namespace scan {

namespace {

// Slaves need a rest between frames on a primary scan.
constexpr std::chrono::milliseconds SlavePause{500};

constexpr qint32 FirstPrimaryStep = 2;
constexpr qint32 FirstSecondaryStep = 100;
constexpr qint32 ReadSelectedStep = 124;
constexpr qint32 LastDigit = 9;

// The address field of a long frame that passes the checks; nothing for
// anything else.
std::optional<std::uint8_t> rspUdAddress(std::span<const std::uint8_t> answer)
{
    constexpr std::size_t AddressField = 5;
    if (!checkRspUdFrame(answer).isEmpty())
        return std::nullopt;
    return answer[AddressField];
}

} // namespace

void TMBusScanDecode::stepWired()
{
    if (Step_Scan < WiredEnd.first && abortRequested())
        Step_Scan = WiredEnd.first;
    if (Step_Scan >= WiredEnd.first)
        stepEnd(WiredEnd);
    else if (Step_Scan == 0)
        enterAnalyzerMode();
    else if (Step_Scan == 1)
        awaitAnalyzerMode();
    else if (Step_Scan < FirstSecondaryStep)
        stepPrimary();
    else
        stepSecondary();
}

void TMBusScanDecode::enterAnalyzerMode()
{
    Enable_Send_In_Last_Step = false;
    setResult(1);
    const qint32 scanProper = ScanType == TScanType::saPrimaryAddress ? FirstPrimaryStep : FirstSecondaryStep;
    if (Select_Hardware == TSelectHard::shSerial) {
        Step_Scan = scanProper;
        return;
    }
    TimeOut_Calc = textCommandTimeout(Add_TimeOut);
    Send_Command(analyzer::EnableAnalyzerMode);
    Step_Scan = 1;
}

void TMBusScanDecode::awaitAnalyzerMode()
{
    // A right reply counts even when it is seen in the step that also finds
    // the time-out passed: it came within the wait. Anything else is ignored.
    const Answer answer = takeAnswer(
        [](std::span<const std::uint8_t> bytes) { return isReply(bytes, analyzer::AnalyzerModeEnabled); });
    if (answer.arrived) {
        Step_Scan = ScanType == TScanType::saPrimaryAddress ? FirstPrimaryStep : FirstSecondaryStep;
    } else if (Answer_Timed_Out()) {
        setResult(2);
        Step_Scan = WiredEnd.first;
    }
}

void TMBusScanDecode::stepPrimary()
{
    switch (Step_Scan) {
    case 2:
        TimeOut_Calc = shortAnswerTimeout(Baudrate, Add_TimeOut);
        ID_Dev_Primary = -1;
        Report_Slave_List(1, 0, 0, 1);
        sendFrame(Build_SND_NKE(mbus::BroadcastAddress));
        Step_Scan = 3;
        break;
    case 3:
        if (answeredOrTimedOut())
            Step_Scan = 4;
        break;
    case 4:
        nextPrimaryAddress();
        break;
    case 5:
        sendToPrimary(Build_App_Reset(std::uint8_t(ID_Dev_Primary), sndUdCField(Fix_C_Field, Fix_C_Field_Value)), 6);
        break;
    case 6:
    case 8:
        if (acknowledgedOrTimedOut())
            Step_Scan = Step_Scan == 6 && SND_NKE ? 7 : 9;
        break;
    case 7:
        sendToPrimary(Build_SND_NKE(std::uint8_t(ID_Dev_Primary)), 8);
        break;
    case 9:
        TimeOut_Calc = longAnswerTimeout(Baudrate, Add_TimeOut);
        sendToPrimary(
            Build_REQ_UD2(std::uint8_t(ID_Dev_Primary), reqUd2CField(Fix_C_Field, Fix_C_Field_Value, Num_Frame_Read)),
            10);
        break;
    case 10:
        readPrimaryTelegram();
        break;
    default:
        setResult(2);
        Step_Scan = WiredEnd.first;
        break;
    }
}

bool TMBusScanDecode::answeredOrTimedOut() { return takeAnswer(anyAnswer).arrived || Answer_Timed_Out(); }

bool TMBusScanDecode::acknowledgedOrTimedOut()
{
    // Any other answer is ignored until the time-out.
    return takeAnswer(isAcknowledgement).arrived || Answer_Timed_Out();
}

void TMBusScanDecode::nextPrimaryAddress()
{
    TimeOut_Calc = shortAnswerTimeout(Baudrate, Add_TimeOut);
    Num_Frame_Read = 0;
    ++ID_Dev_Primary;
    if (ID_Dev_Primary > mbus::HighestPrimaryAddress || stopRequested()) {
        Type_To_Send_In_Last_Step = 1;
        Enable_Send_In_Last_Step = true;
        setResult(1);
        Step_Scan = WiredEnd.first;
        return;
    }
    Step_Scan = App_Reset ? 5 : SND_NKE ? 7 : 9;
}

void TMBusScanDecode::sendToPrimary(const QByteArray &frame, qint32 next)
{
    // An abort that comes during the rest sends nothing more: the next step
    // begins the end steps.
    if (!pauseFor(SlavePause) || abortRequested())
        return;
    sendFrame(frame);
    Step_Scan = next;
}

void TMBusScanDecode::readPrimaryTelegram()
{
    ID_Dev_Found = false;
    // The slave's telegram or the converter's word that nobody answered.
    // A telegram of another address is a late answer to an earlier request,
    // not this slave's; it and anything else are ignored while the wait goes on.
    const Answer answer = takeAnswer([this](std::span<const std::uint8_t> bytes) {
        return isNoSlave(bytes) || rspUdAddress(bytes) == std::optional<std::uint8_t>(std::uint8_t(ID_Dev_Primary));
    });
    if (answer.arrived) {
        switch (readTelegram(answer)) {
        case Telegram::MoreFollow:
            Step_Scan = 9;
            return;
        case Telegram::SlaveDone:
            ID_Dev_Found = true;
            Report_Slave_List(2, ID_Dev_Primary, 1, 1);
            Step_Scan = 4;
            return;
        case Telegram::Invalid:
            break;
        }
    } else if (!Answer_Timed_Out()) {
        return;
    }
    Report_Slave_List(2, ID_Dev_Primary, 0, 1);
    Step_Scan = 4;
}

TMBusScanDecode::Telegram TMBusScanDecode::readTelegram(const Answer &answer)
{
    // The decoder checks the frame; one it refuses is no answer of a slave.
    const RspUdResult added = Add_Slave_From_RSP_UD(m_slaves, Num_Frame_Read == 0 ? -1 : Index_Device, answer.span());
    if (!added.accepted)
        return Telegram::Invalid;
    Index_Device = added.index;
    ++Num_Frame_Read;
    return added.recordsEnded == 1 || Num_Frame_Read >= Cut_After ? Telegram::SlaveDone : Telegram::MoreFollow;
}

void TMBusScanDecode::stepSecondary()
{
    const qint32 step = Step_Scan;
    if (step >= levelStep(0) && step <= levelStep(7) + 1) {
        const qint32 level = (step - levelStep(0)) / 2;
        if ((step - levelStep(0)) % 2 == 0)
            selectNextDigit(level);
        else
            awaitSelection(level);
        return;
    }
    const std::uint8_t cField = sndUdCField(Fix_C_Field, Fix_C_Field_Value);
    switch (step) {
    case 100:
        TimeOut_Calc = shortAnswerTimeout(Baudrate, Add_TimeOut);
        Phase_Scan_Sec_Add = 1;
        Report_Slave_List(1, 0, 0, 2);
        Phase_Scan_Sec_Add = 2;
        Step_Scan = SND_NKE ? 101 : App_Reset ? 103 : 105;
        break;
    case 101:
        sendFrame(Build_SND_NKE(mbus::SelectedSlaveAddress));
        Step_Scan = 102;
        break;
    case 102:
        if (acknowledgedOrTimedOut())
            Step_Scan = App_Reset ? 103 : 105;
        break;
    case 103:
        sendFrame(Build_App_Reset(mbus::BroadcastAddress, cField));
        Step_Scan = 104;
        break;
    case 104:
        if (acknowledgedOrTimedOut())
            Step_Scan = 105;
        break;
    case 105:
        sendFrame(Build_SND_NKE(mbus::BroadcastAddress));
        Step_Scan = 106;
        break;
    case 106:
        if (answeredOrTimedOut())
            Step_Scan = 107;
        break;
    case 107:
        Index_Digits.fill(-1);
        Step_Scan = levelStep(0);
        break;
    case ReadSelectedStep:
        TimeOut_Calc = longAnswerTimeout(Baudrate, Add_TimeOut);
        sendFrame(Build_REQ_UD2(mbus::SelectedSlaveAddress,
                                 reqUd2CField(Fix_C_Field, Fix_C_Field_Value, Num_Frame_Read)));
        Step_Scan = ReadSelectedStep + 1;
        break;
    case ReadSelectedStep + 1:
        readSelectedTelegram();
        break;
    default:
        setResult(2);
        Step_Scan = WiredEnd.first;
        break;
    }
}

void TMBusScanDecode::selectNextDigit(qint32 level)
{
    if (stopRequested()) {
        Step_Scan = WiredEnd.first;
        return;
    }
    const auto digit = static_cast<std::size_t>(level);
    ++Index_Digits[digit];
    std::fill(Index_Digits.begin() + level + 1, Index_Digits.end(), -1);
    if (Index_Digits[digit] > LastDigit) {
        if (level > 0) {
            Step_Scan = levelStep(level - 1);
            return;
        }
        Phase_Scan_Sec_Add = 3;
        Type_To_Send_In_Last_Step = 2;
        Enable_Send_In_Last_Step = true;
        Step_Scan = WiredEnd.first;
        return;
    }
    sendFrame(Build_Select_Secondary(Index_Digits, sndUdCField(Fix_C_Field, Fix_C_Field_Value)));
    Step_Scan = levelStep(level) + 1;
}

void TMBusScanDecode::awaitSelection(qint32 level)
{
    const qint32 own = levelStep(level);
    const Answer answer = takeAnswer(anyAnswer);
    if (answer.arrived) {
        if (isAcknowledgement(answer.span())) {
            // Exactly one slave matches: read it, then go on at this digit.
            Num_Frame_Read = 0;
            Sec_Add_Next_Step = own;
            Step_Scan = ReadSelectedStep;
        } else if (isNoSlave(answer.span()) || level == 7) {
            Step_Scan = own;
        } else {
            // Several slaves answered at once: split the next digit.
            Step_Scan = levelStep(level + 1);
        }
    } else if (Answer_Timed_Out()) {
        Step_Scan = own;
    }
}

void TMBusScanDecode::readSelectedTelegram()
{
    ID_Dev_Found = false;
    // The selected slave answers with its own primary address; anything but
    // a telegram or the converter's NO_SLAVE is ignored while the wait goes on.
    const Answer answer = takeAnswer(
        [](std::span<const std::uint8_t> bytes) { return isNoSlave(bytes) || rspUdAddress(bytes).has_value(); });
    if (!answer.arrived) {
        if (Answer_Timed_Out()) {
            TimeOut_Calc = shortAnswerTimeout(Baudrate, Add_TimeOut);
            Step_Scan = Sec_Add_Next_Step;
        }
        return;
    }
    switch (readTelegram(answer)) {
    case Telegram::MoreFollow:
        Step_Scan = ReadSelectedStep;
        break;
    case Telegram::SlaveDone:
        TimeOut_Calc = shortAnswerTimeout(Baudrate, Add_TimeOut);
        Step_Scan = Sec_Add_Next_Step;
        ID_Dev_Found = true;
        Report_Slave_List(2, identificationReport(), 1, 2);
        break;
    case Telegram::Invalid:
        TimeOut_Calc = shortAnswerTimeout(Baudrate, Add_TimeOut);
        Step_Scan = Sec_Add_Next_Step;
        break;
    }
}

qint32 TMBusScanDecode::identificationReport()
{
    // The identification number's text holds the BCD digits in hexadecimal.
    auto slaves = m_slaves.lock();
    const TSlave_MBus *slave = slaves.tryAt(Index_Device);
    bool ok = false;
    const uint value = slave ? slave->Secondary_Addresss.toUInt(&ok, 16) : 0;
    return ok ? static_cast<qint32>(value) : 0;
}

} // namespace scan
