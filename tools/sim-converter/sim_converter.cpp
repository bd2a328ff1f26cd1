// A converter on loopback for the Scan & Decode window: three wired slaves
// behind the analyzer port 10000, and a Telit radio module on the wireless
// port that, once set up, relays a plain meter's and an encrypted meter's
// telegrams every second. With --strays it also sends garbage every 100 ms
// from its own address and port, from another port and from another address.
//
//   sim_converter ADDRESS WIRELESS_PORT [--strays OTHER_ADDRESS] [--seconds N]
//
// The records come from the real frames of SHARED_DATA_DIR; the encrypted
// meter's key is 000102030405060708090A0B0C0D0E0F.
#include "support/SimulatedConverter.h"
#include "support/WirelessTelegrams.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

using namespace testsupport;

namespace {

volatile std::sig_atomic_t stopped = 0;

QByteArray meterTelegram(bool encrypted, std::uint8_t accessNumber)
{
    WirelessTelegramSpec spec;
    spec.accessNumber = accessNumber;
    if (!encrypted) {
        spec.records = realRecords("kamstrup_382_005");
        return wirelessTelegram(spec);
    }
    spec.layout = TransportLayout::ShortLinkShort;
    spec.link = {0x1596, 0x00405060, 0x21, 0x16};
    spec.records = realRecords("frame2");
    TestKey key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = std::uint8_t(i);
    spec.key = key;
    return wirelessTelegram(spec);
}

quint32 nowMs()
{
    return quint32(std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                       .count());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: sim_converter ADDRESS WIRELESS_PORT [--strays OTHER_ADDRESS] [--seconds N]\n");
        return 2;
    }
    const QString address = args[1];
    const quint16 port = quint16(args[2].toUInt());
    const qsizetype straysAt = args.indexOf(QStringLiteral("--strays"));
    const qsizetype secondsAt = args.indexOf(QStringLiteral("--seconds"));
    const int seconds = secondsAt > 0 ? args.value(secondsAt + 1).toInt() : 600;

    SimulatedConverter converter;
    converter.bus().addSlave(2, 0x12345678, {realFrame("frame2")});
    converter.bus().addSlave(17, 0x00001717, {realFrame("kamstrup_382_005")});
    converter.bus().addSlave(250, 0x25025025, {realFrame("landis+gyr_ultraheat_t230")});
    converter.setRadio(SimulatedRadio::Kind::Telit);
    UdpConverter wired(converter, address, 10000);
    UdpConverter wireless(converter, address, port);
    for (const UdpConverter *udp : {&wired, &wireless}) {
        if (!udp->isListening()) {
            std::fprintf(stderr, "cannot listen: %s\n", qPrintable(udp->openError()));
            return 1;
        }
    }
    std::optional<StrayDatagrams> wiredStrays;
    std::optional<StrayDatagrams> wirelessStrays;
    if (straysAt > 0) {
        wiredStrays.emplace(wired, args.value(straysAt + 1));
        wirelessStrays.emplace(wireless, args.value(straysAt + 1));
    }
    std::signal(SIGTERM, [](int) { stopped = 1; });
    std::signal(SIGINT, [](int) { stopped = 1; });
    std::printf("converter on %s, analyzer port 10000, wireless port %u\n", qPrintable(address), unsigned(port));
    std::fflush(stdout);

    std::uint8_t access = 0;
    quint32 lastRelay = nowMs();
    for (const quint32 end = nowMs() + quint32(seconds) * 1000; !stopped && quint32(end - nowMs()) < 0x80000000u;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (wiredStrays) {
            wiredStrays->tick(nowMs());
            wirelessStrays->tick(nowMs());
        }
        if (quint32(nowMs() - lastRelay) >= 1000) {
            lastRelay = nowMs();
            wireless.relay(meterTelegram(false, ++access), 0x50);
            wireless.relay(meterTelegram(true, ++access), 0x48);
        }
    }
    return 0;
}
