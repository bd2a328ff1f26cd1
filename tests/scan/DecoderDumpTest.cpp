// Every field of every record the decoder makes, from the real frames (good
// and bad) and from a fixed set of damaged inputs, against a recorded dump.
// The decoder's texts end up in M_Bus.xml and in the scan dialog, so not a
// digit, exponent, blank or case may change; this dump shows any that does.
#include "LongFrame.h"
#include "scan/RspUdDecoder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

#include <vector>

using namespace scan;

namespace {

QString dumpPath() { return QStringLiteral(SCAN_TEST_DATA_DIR "/decoder-dump.txt"); }
QString damagedInputsPath() { return QStringLiteral(SCAN_TEST_DATA_DIR "/damaged-inputs.txt"); }

const QDateTime &decodedAt()
{
    static const QDateTime at(QDate(2024, 11, 5), QTime(17, 8, 9));
    return at;
}

// Printable ASCII as it is, everything else escaped, so that the dump is
// plain text and shows every character; "~" stands for a null string.
void appendText(QByteArray &out, const QString &text)
{
    if (text.isNull()) {
        out += '~';
        return;
    }
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != '\\' && u != '~') {
            out += static_cast<char>(u);
        } else {
            char escaped[8];
            const int n = u < 0x100 ? std::snprintf(escaped, sizeof escaped, "\\x%02X", unsigned(u))
                                    : std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(u));
            out.append(escaped, n);
        }
    }
}

class Line {
public:
    explicit Line(QByteArray &out) : m_out(out) {}
    ~Line() { m_out += '\n'; }
    Line &operator<<(const QString &text)
    {
        separate();
        appendText(m_out, text);
        return *this;
    }
    Line &operator<<(const char *text)
    {
        separate();
        m_out += text;
        return *this;
    }
    Line &operator<<(qint64 number)
    {
        separate();
        m_out += QByteArray::number(number);
        return *this;
    }

private:
    void separate()
    {
        if (m_started)
            m_out += '\t';
        m_started = true;
    }
    QByteArray &m_out;
    bool m_started = false;
};

void dumpRecords(QByteArray &out, const TVariableList &records)
{
    for (const auto &r : records) {
        Line(out) << "  record" << r->dato_A << r->dato_B << r->dimension << r->function_fild << r->storage_number
                  << r->tarif << r->device << r->type_data << r->scale << qint64(r->errata) << r->sterror << r->nbyte
                  << r->descdim << r->numdife << r->numvife << r->vifvalue << r->PrinVIFE << r->casovif << r->numdato
                  << r->VIF << r->VIFE << r->DIF << r->DIFE << r->totdati << r->VIF_ASCII << r->Description
                  << r->datagiorno << r->tempo << r->icon << r->Type_Data_Vife << r->Desc_Type_Data << r->ValueStr
                  << r->FunctionFieldStr << r->DataFieldStr << qint64(r->Enable) << qint64(r->Real_Wireless_Var)
                  << qint64(r->Is_BCD) << qint64(r->Node != nullptr);
    }
}

void dumpAnswer(QByteArray &out, const char *how, std::span<const std::uint8_t> frame)
{
    const RspUdRecords decoded = decodeRspUdRecords(frame, decodedAt());
    Line(out) << how << decoded.error << decoded.recordsEnded << qint64(decoded.records.size());
    if (decoded.ok()) {
        TSlave_MBus slave;
        fillSlaveHeader(frame, slave);
        Line(out) << "  slave" << slave.Primary_Addresss << slave.Secondary_Addresss << slave.Manufacture
                  << slave.Version << slave.Medium << slave.Status << slave.descManufacture << slave.descmedium
                  << slave.description;
    }
    dumpRecords(out, decoded.records);
}

// The bytes as the records of a frame whose length and checksum are right.
std::vector<std::uint8_t> frameAround(std::span<const std::uint8_t> records)
{
    std::vector<std::uint8_t> frame = {0x68, 0, 0, 0x68, 0x08, 0x05, 0x72, 0x45, 0x23, 0x01, 0x00,
                                       0x42, 0x04, 0x01, 0x0C, 0x10, 0x00, 0x00, 0x00};
    frame.insert(frame.end(), records.begin(), records.end());
    return closedLongFrame(std::move(frame));
}

// A damaged input the ways the fuzz target feeds it: as an answer, as the
// records of a sound frame, and as a bare block in both scan modes with
// the first byte as the last position a record may begin at.
void dumpDamagedInput(QByteArray &out, std::span<const std::uint8_t> bytes)
{
    dumpAnswer(out, "answer", bytes);
    if (!bytes.empty() && bytes.size() <= 255 - 13)
        dumpAnswer(out, "wrapped", frameAround(bytes));
    if (bytes.empty())
        return;
    const qint32 last = static_cast<std::int8_t>(bytes[0]);
    for (const auto mode : {TMBusType::mtWired, TMBusType::mtWireless}) {
        TVariableList records;
        const ParseResult parsed = Parse_Data_Records(records, last, bytes.subspan(1), mode, decodedAt());
        Line(out) << (mode == TMBusType::mtWired ? "wired block" : "wireless block") << parsed.result
                  << qint64(parsed.decodable) << parsed.error << qint64(records.size());
        dumpRecords(out, records);
    }
}

QStringList frameFiles(const QString &folder)
{
    const QDir dir(testsupport::sharedDataDir() + QStringLiteral("/mbus-frames/") + folder);
    QStringList paths;
    for (const QString &name : dir.entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QByteArray dumpEverything()
{
    QByteArray out;
    // The locales change the decimal separator and the date and time texts.
    for (const char *locale : {"C", "de_DE", "ar_EG"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        for (const char *folder : {"good", "bad"}) {
            for (const QString &path : frameFiles(QString::fromLatin1(folder))) {
                Line(out) << locale << folder << QFileInfo(path).fileName();
                const QByteArray frame = QByteArray::fromHex(testsupport::readFile(path));
                dumpAnswer(out, "answer", bytesOf(frame));
            }
        }
    }
    QLocale::setDefault(QLocale::c());
    const QList<QByteArray> lines = testsupport::readFile(damagedInputsPath()).split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        Line(out) << "damaged" << QString::fromLatin1(line);
        dumpDamagedInput(out, bytesOf(QByteArray::fromHex(line)));
    }
    return out;
}

class DecoderDump : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

} // namespace

TEST_F(DecoderDump, EveryTextOfEveryRecordIsAsRecorded)
{
    ASSERT_FALSE(frameFiles(QStringLiteral("good")).isEmpty());
    const QByteArray expected = testsupport::readFile(dumpPath());
    ASSERT_FALSE(expected.isEmpty()) << dumpPath().toStdString();

    const QByteArray actual = dumpEverything();
    if (actual == expected)
        return;
    const QString actualPath = QDir::temp().filePath(QStringLiteral("decoder-dump.actual.txt"));
    testsupport::writeFile(actualPath, actual);
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        if (want.value(i) != got.value(i)) {
            ADD_FAILURE() << "line " << i + 1 << " differs (whole dump in " << actualPath.toStdString()
                          << ")\nexpected: " << want.value(i).toStdString() << "\nactual:   "
                          << got.value(i).toStdString();
            return;
        }
    }
}
