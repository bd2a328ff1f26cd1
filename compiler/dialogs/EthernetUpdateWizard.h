#pragma once
// The Ethernet update wizard: asks for the device's address, checks by ping
// that the device answers there, lets the user choose what to write, writes
// Ethernet_Update.xml beside the program and runs Ethernet_Update.exe on it.
#include "app/ConverterType.h"
#include "compiler/dialogs/UpdateWizardDialog.h"
#include "compiler/update/DevicePing.h"
#include "compiler/update/IpAddressText.h"
#include "compiler/update/UpdateTool.h"
#include "platform/Color.h"

#include <array>
#include <memory>
#include <optional>

class QLineEdit;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace compiler {

// What the Ethernet wizard reaches outside its window; tests put scripted ones here.
struct EthernetWizardServices {
    std::shared_ptr<platform::Pinger> pinger = std::make_shared<platform::IcmpPinger>(1024);
    PingClock *clock = &steadyPingClock();
    UpdateToolLauncher launch = startUpdateTool();
};

class TFBootTCP : public UpdateWizardDialog {
    Q_OBJECT
public:
    using Services = EthernetWizardServices;

    explicit TFBootTCP(int converterType = app::Converter_Type(), Services services = {}, QWidget *parent = nullptr);
    ~TFBootTCP() override;

    void FormShow() override;
    void Set_Lang() override;
    // A "." typed into the first three octets moves on to the next one.
    void E_IP1KeyPress(QObject *Sender, QChar &Key);
    void E_IP2KeyPress(QObject *Sender, QChar &Key);
    void E_IP3KeyPress(QObject *Sender, QChar &Key);
    void LbButton1Click(QObject *Sender); // Ping
    void LbButton2Click(QObject *Sender); // Next
    void LbButton4Click(QObject *Sender); // Update

    // The last ping found the device at the address now in the edits.
    bool Esegui_Ping = false;

    // Address page.
    platform::TLabel *L_IP_Address;
    QLineEdit *E_IP1;
    QLineEdit *E_IP2;
    QLineEdit *E_IP3;
    QLineEdit *E_IP4;
    platform::TLabel *Label2;
    platform::TLabel *Label3;
    platform::TLabel *Label4;
    platform::TLabel *L_Ping;
    controls::TLbButton *Btn_Ping;
    platform::TLabel *LPing;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setAddressPageVisible(bool visible);
    OctetTexts octetTexts() const;
    void octetKeyPress(int octet, QChar &Key);
    void octetEdited();
    void showPingResult(int textIndex, platform::TColor color);
    void setPingRunning(bool running);

    int m_converterType;
    Services m_services;
    std::array<QLineEdit *, 4> m_octets{};
    bool m_pingRunning = false;
    std::optional<Ipv4Octets> m_foundAddress; // what the last successful ping reached
};

} // namespace compiler
