// Every start the engine refuses is said in an error box that names the
// cause, and the window goes back to its ready state with nothing running:
// a bad address, port 0, a port in use, a port the user may not bind, a
// device that does not open, a connection that does not open.
#include "ScanDialogFixture.h"

#include "platform/UdpSocket.h"
#include "scan/QStringPrinter.h"

#include <cerrno>

using namespace scan;
using namespace scandialogtest;

namespace {

// A transport that refuses as the system would have.
class RefusingTransport final : public ScanTransport {
public:
    explicit RefusingTransport(ScanStart refusal) : m_refusal(std::move(refusal)) {}
    ScanStart open(const TransportTarget &, Receiver) override { return m_refusal; }
    bool send(std::span<const std::uint8_t>) override { return false; }
    void close() override {}

private:
    ScanStart m_refusal;
};

TransportFactory refusing(ScanStart refusal)
{
    return [refusal](TSelectHard) { return std::make_unique<RefusingTransport>(refusal); };
}

class ScanStartRefusal : public ScanDialogTest {
protected:
    // Starts a wired scan of `address`, or a wireless one on `port`.
    void startScan(const QString &address, std::optional<quint16> wirelessPort = std::nullopt)
    {
        setAddress(address);
        if (wirelessPort) {
            list("CB_ScanMethod")->setCurrentIndex(1);
            edit("E_Port")->setText(QString::number(*wirelessPort));
        } else {
            list("CB_ScanMethod")->setCurrentIndex(0);
        }
        messages.clear();
        click("Btn_StartScan");
    }

    // One error box with `text`, and the window ready with nothing running.
    void expectRefused(const QString &text)
    {
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Error);
        EXPECT_EQ(messages.texts(), QStringList{text});
        EXPECT_EQ(dialog->formStyle(), ScanFormStyle::Ready);
        EXPECT_TRUE(button("Btn_StartScan")->isVisible());
        EXPECT_FALSE(button("Btn_StopScan")->isVisible());
        EXPECT_FALSE(button("Btn_SaveConf")->isVisible());
        EXPECT_FALSE(dialog->scanTimerActive());
        EXPECT_FALSE(dialog->engine().InScan());
    }
};

TEST_F(ScanStartRefusal, AnAddressThatIsNoIpAddress)
{
    makeDialog(1, makeTransport);
    for (const bool wireless : {false, true}) {
        startScan(QStringLiteral("127.0.0.300"), wireless ? std::optional<quint16>(5000) : std::nullopt);
        expectRefused(QStringLiteral("The converter's IP address \"127.0.0.300\" is not valid: enter four numbers "
                                     "from 0 to 255"));
    }
    EXPECT_TRUE(converter.received().empty());
}

TEST_F(ScanStartRefusal, PortZero)
{
    makeDialog(1, makeTransport);
    startScan(QStringLiteral("127.0.27.1"), 0);
    expectRefused(QStringLiteral("Port 0 cannot be used: enter the port set in the converter, from 1 to 65535"));
}

TEST_F(ScanStartRefusal, APortInUseOnTheAddressTheScanListensOn)
{
    // The holder keeps a free port of its own on 127.0.0.1, where the scan
    // listens to reach a converter on loopback.
    platform::UdpSocket holder;
    platform::UdpSocket::Options options;
    options.local = {0x7F000001, 0};
    ASSERT_TRUE(holder.open(options, [](auto, auto) {}).ok());
    const quint16 port = holder.localPort();
    makeDialog(1, makeTransport);
    startScan(QStringLiteral("127.0.27.1"), port);
    expectRefused(QStringLiteral("Port %1 is already used on 127.0.0.1 by another program: close that program, or "
                                 "set another port in the converter and in this window")
                      .arg(port));
    holder.close();
}

TEST_F(ScanStartRefusal, APortThisUserMayNotBind)
{
    // The system's answer to a user without the right to bind it; the tests
    // may run with that right, so the transport gives the answer.
    const ScanStart denied{bindRefusal(EACCES), QStringLiteral("bind: Permission denied"),
                           QStringLiteral("127.0.0.1")};
    makeDialog(1, refusing(denied));
    startScan(QStringLiteral("127.0.27.1"), 502);
    expectRefused(QStringLiteral("Port 502 is below 1024 and this user has no right to listen on it: give the "
                                 "program that right (setcap cap_net_bind_service=+ep on the program file), or "
                                 "set a port above 1023 in the converter and in this window"));
    // Above 1023 no right is needed: what the system said is shown.
    startScan(QStringLiteral("127.0.27.1"), 5000);
    expectRefused(QStringLiteral("The connection to the converter could not be opened (bind: Permission denied)"));
}

TEST_F(ScanStartRefusal, ADeviceOrAConnectionThatDoesNotOpen)
{
    struct Case {
        ScanStart refusal;
        const char *text;
    };
    const Case cases[] = {
        {{ScanRefusal::DeviceFailed, QStringLiteral("Error accessing specified device (Error: 2) "), {}},
         "The device 127.0.27.1 could not be opened (Error accessing specified device (Error: 2) )"},
        {{ScanRefusal::TransportFailed, QStringLiteral("connect: Network is unreachable"), {}},
         "The connection to the converter could not be opened (connect: Network is unreachable)"},
        {{ScanRefusal::ScanInProgress, {}, {}}, "Another Scan Operation in Progress. Try again when finish"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        dialog.reset();
        makeDialog(1, refusing(c.refusal));
        for (const bool wireless : {false, true}) {
            startScan(QStringLiteral("127.0.27.1"), wireless ? std::optional<quint16>(5000) : std::nullopt);
            expectRefused(QString::fromUtf8(c.text));
        }
    }
}

} // namespace
