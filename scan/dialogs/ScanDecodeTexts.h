#pragma once
// The language table's texts of the Scan & Decode window, by index.
namespace scan {

inline constexpr int TextAlreadyHasNetwork = 353;
inline constexpr int TextParGenUnreadable = 394;
inline constexpr int TextKeyNotInstalled = 395;
inline constexpr int TextCaption = 400;
inline constexpr int TextCode = 401;
inline constexpr int TextDescription = 402;
inline constexpr int TextScanBy = 403;
inline constexpr int TextPrimary = 404;
inline constexpr int TextSecondary = 405;
inline constexpr int TextHardwareType = 406;
inline constexpr int TextEthernet = 407;
inline constexpr int TextSerial = 408;
inline constexpr int TextIpAddress = 409;
inline constexpr int TextParameters = 411;
inline constexpr int TextBaud = 412;
inline constexpr int TextParity = 413;
inline constexpr int TextOptions = 414;
inline constexpr int TextAppReset = 415;
inline constexpr int TextSndNke = 416;
inline constexpr int TextCutAfter = 417;
inline constexpr int TextScanRunning = 418;
inline constexpr int TextSlaveCount = 419;
inline constexpr int TextDeviceList = 420;
inline constexpr int TextStartScan = 421;
inline constexpr int TextStopScan = 422;
inline constexpr int TextAbortScan = 423;
inline constexpr int TextNewScan = 424;
inline constexpr int TextSaveConf = 425;
inline constexpr int TextScanInProgress = 426;
inline constexpr int TextAnalyzerNotFound = 429;
inline constexpr int TextSaved = 430;
inline constexpr int TextScanMethod = 431;
inline constexpr int TextWired = 432;
inline constexpr int TextWireless = 433;
inline constexpr int TextMode = 434;
inline constexpr int TextRadioChannel = 435;
inline constexpr int TextPort = 436;
inline constexpr int TextAppendQuestion = 437;
inline constexpr int TextBadPort = 438;
inline constexpr int TextSaveNodeConf = 439;
inline constexpr int TextFixCField = 440;
inline constexpr int TextCheckBcd = 441;
inline constexpr int TextRemoteScan = 442;
inline constexpr int TextBadAddress = 443;
inline constexpr int TextPortZero = 444;
inline constexpr int TextPortInUse = 445;
inline constexpr int TextPortDenied = 446;
inline constexpr int TextNoConnection = 447;
inline constexpr int TextNoDevice = 448;

} // namespace scan
