// The wildcard search over the identification number: a collision goes one
// digit deeper, nothing moves to the next digit, an acknowledgement reads
// the selected slave and the search goes on at the same digit.
#include "../QStringPrinter.h"
#include "EngineFixture.h"

#include "scan/RspUdDecoder.h"

#include <QRegularExpression>

using namespace enginetest;
using namespace scan;
using testsupport::realFrame;

namespace {

const char *const MoreFollow = "abb_delta";
const char *const Single = "frame2";

bool isSelection(const QByteArray &f) { return f.size() == 17 && quint8(f[6]) == 0x52; }

// "1234567F" for a selection of 1234567 and a wildcard last digit.
QString pattern(const QByteArray &selection)
{
    QString digits;
    for (int i = 10; i >= 7; --i)
        digits += QStringLiteral("%1").arg(quint8(selection[i]), 2, 16, QLatin1Char('0')).toUpper();
    return digits;
}

// The frames as patterns, "REQ" for a REQ_UD2 to the selected slave, the
// rest in hexadecimal.
QStringList walk(const std::vector<QByteArray> &frames)
{
    QStringList steps;
    for (const QByteArray &f : frames) {
        if (isSelection(f))
            steps << pattern(f);
        else if (f == Build_REQ_UD2(253, 0x7B) || f == Build_REQ_UD2(253, 0x5B))
            steps << QStringLiteral("REQ");
        else
            steps << QString::fromLatin1(f.toHex());
    }
    return steps;
}

ScanOptions secondary()
{
    ScanOptions o;
    o.type = TScanType::saSecondaryAddress;
    return o;
}

class SecondaryScan : public EngineTest {};

TEST_F(SecondaryScan, SlavesThatDifferInTheLastDigitAreSplitThere)
{
    struct Case {
        const char *name;
        bool silent;         // nothing instead of NO_SLAVE where no slave answers
        const char *collision;
    };
    const Case cases[] = {
        {"NO_SLAVE", false, "E5E5"},
        {"silence", true, "E5E5"},
        {"noise", false, "3F"},
        {"a broken frame", false, "6803"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        freshConverter();
        converter().setSilentWhenNoSlave(c.silent);
        converter().bus().setCollisionAnswer(hex(c.collision));
        converter().bus().addSlave(1, 0x12345679, {realFrame(Single)});
        converter().bus().addSlave(2, 0x12345678, {realFrame("kamstrup_382_005")});
        scanToEnd(secondary());

        EXPECT_EQ(reports(), (std::vector<Report>{{1, 0, 0, 2}, {2, 0x12345678, 1, 2}, {2, 0x12345679, 1, 2},
                                                  {3, 0, 0, 2}}));
        const QStringList steps = walk(converter().frames());
        EXPECT_EQ(steps.filter(QRegularExpression(QStringLiteral("^[0-9F]{8}$"))).size(), 80) << "ten digits a level";
        const qsizetype at = steps.indexOf(QStringLiteral("12345678"));
        ASSERT_GT(at, 0);
        EXPECT_EQ(steps.mid(at, 5), (QStringList{QStringLiteral("12345678"), QStringLiteral("REQ"),
                                                 QStringLiteral("12345679"), QStringLiteral("REQ"),
                                                 QStringLiteral("1234568F")}));
        auto list = slaves.lock();
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.at(0).Secondary_Addresss, QStringLiteral("12345678"));
        EXPECT_EQ(list.at(1).Secondary_Addresss, QStringLiteral("12345679"));
        EXPECT_EQ(engine->Result(), 1);
    }
}

TEST_F(SecondaryScan, ASlaveAloneUnderItsFirstDigitIsReadThere)
{
    converter().bus().addSlave(5, 0x00000001, {realFrame(Single)});
    converter().bus().addSlave(6, 0x90000000, {realFrame(Single)});
    scanToEnd(secondary());
    const QStringList steps = walk(converter().frames());
    EXPECT_EQ(steps, (QStringList{QStringLiteral("1040ff3f16"), QStringLiteral("0FFFFFFF"), QStringLiteral("REQ"),
                                  QStringLiteral("1FFFFFFF"), QStringLiteral("2FFFFFFF"), QStringLiteral("3FFFFFFF"),
                                  QStringLiteral("4FFFFFFF"), QStringLiteral("5FFFFFFF"), QStringLiteral("6FFFFFFF"),
                                  QStringLiteral("7FFFFFFF"), QStringLiteral("8FFFFFFF"), QStringLiteral("9FFFFFFF"),
                                  QStringLiteral("REQ")}));
    EXPECT_EQ(reports(), (std::vector<Report>{{1, 0, 0, 2}, {2, 1, 1, 2}, {2, qint32(0x90000000), 1, 2},
                                              {3, 0, 0, 2}}));
}

TEST_F(SecondaryScan, OptionsResetTheBusBeforeTheSearch)
{
    struct Case {
        bool sndNke, appReset;
        QStringList first;
    };
    const Case cases[] = {
        {false, false, {QStringLiteral("1040ff3f16"), QStringLiteral("0FFFFFFF")}},
        {true, false, {QStringLiteral("1040fd3d16"), QStringLiteral("1040ff3f16"), QStringLiteral("0FFFFFFF")}},
        {false, true, {QStringLiteral("6803036873ff50c216"), QStringLiteral("1040ff3f16"), QStringLiteral("0FFFFFFF")}},
        {true, true,
         {QStringLiteral("1040fd3d16"), QStringLiteral("6803036873ff50c216"), QStringLiteral("1040ff3f16"),
          QStringLiteral("0FFFFFFF")}},
    };
    for (const Case &c : cases) {
        freshConverter();
        ScanOptions o = secondary();
        o.sndNke = c.sndNke;
        o.appReset = c.appReset;
        scanToEnd(o);
        EXPECT_EQ(walk(converter().frames()).mid(0, c.first.size()), c.first);
    }
}

TEST_F(SecondaryScan, SeveralTelegramsAreReadFromTheSelectedSlave)
{
    converter().bus().addSlave(1, 0x00000042, {realFrame(MoreFollow)});
    ScanOptions o = secondary();
    o.cutAfter = 2;
    scanToEnd(o);
    std::vector<QByteArray> requests;
    for (const QByteArray &f : converter().frames())
        if (f.size() == 5 && quint8(f[2]) == 253)
            requests.push_back(f);
    EXPECT_EQ(requests, (std::vector<QByteArray>{Build_REQ_UD2(253, 0x7B), Build_REQ_UD2(253, 0x5B)}));
    auto list = slaves.lock();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(qsizetype(list.at(0).List_Var.size()),
              2 * qsizetype(decodeRspUdRecords(bytesOf(realFrame(MoreFollow))).records.size()));
}

TEST_F(SecondaryScan, AnAnswerTheDecoderRefusesIsSkippedWithoutAReport)
{
    testsupport::SimulatedSlave slave;
    slave.identification = 0x30000000;
    slave.telegrams = {hex("6803036808FD72")};
    converter().bus().addSlave(slave);
    scanToEnd(secondary());
    EXPECT_EQ(reports(), (std::vector<Report>{{1, 0, 0, 2}, {3, 0, 0, 2}}));
    EXPECT_EQ(walk(converter().frames()).size(), 1 + 10 + 1) << "the search went on after the read";
    EXPECT_EQ(slaveCount(), 0);
}

TEST_F(SecondaryScan, StopEndsTheSearchWithoutTheEndReport)
{
    converter().bus().addSlave(1, 0x10000000, {realFrame(Single)});
    converter().bus().addSlave(2, 0x20000000, {realFrame(Single)});
    makeEngine();
    onReport = [this](const Report &r) {
        if (r.kind == 2)
            engine->Stop_Scan();
    };
    scanToEnd(secondary());
    EXPECT_EQ(reports(), (std::vector<Report>{{1, 0, 0, 2}, {2, 0x10000000, 1, 2}}));
    EXPECT_EQ(walk(converter().frames()).last(), QStringLiteral("REQ"));
    EXPECT_EQ(converter().commandCount(analyzer::DisableAnalyzerMode), 1);
}

} // namespace
