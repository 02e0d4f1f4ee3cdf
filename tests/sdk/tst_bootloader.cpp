// The HID bootloader protocol as bytes, and one image written by
// FirmwareWriter into the simulated bootloader's firmware model over a
// channel without threads: every check before the first byte, every
// refusal, and what the keyboard's memory holds afterwards.
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/BootloaderProtocol.h"
#include "sdk/firmware/FirmwareWriter.h"
#include "sdk/include/LumtarFirmware.h"
#include "sdk/sim/SimBootloader.h"

#include <QtTest>

#include <algorithm>
#include <deque>

namespace fw = lumtar::firmware;
namespace boot = lumtar::firmware::boot;
using lumtar::sim::SimBootloader;
using lumtar::sim::SimFaults;
using lumtar::sim::SimKeyboardState;

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)
Q_DECLARE_METATYPE(boot::Report)
Q_DECLARE_METATYPE(SimFaults)

namespace {

// The writer's reports go straight into the bootloader model; its answers
// wait in a queue (their delays do not matter here).
class LoopChannel : public fw::BootloaderChannel {
public:
    explicit LoopChannel(SimBootloader& bootloader) : m_bootloader(bootloader) {}

    bool send(const boot::Report& report) override
    {
        if (gone)
            return false;
        sent.push_back(report);
        const auto out = m_bootloader.handle(report.data(), report.size(), faults);
        for (const auto& reply : out.replies)
            inbox.push_back(reply.report);
        gone = out.vanish;
        restarted = restarted || out.restart;
        return true;
    }

    int receive(boot::Report* out, int) override
    {
        if (gone)
            return -1;
        if (inbox.empty())
            return 0;
        *out = inbox.front();
        inbox.pop_front();
        return 1;
    }

    int sentOf(boot::Command c) const
    {
        return int(std::count_if(sent.begin(), sent.end(), [c](const boot::Report& r) { return r[1] == uint8_t(c); }));
    }

    SimFaults faults;
    std::deque<boot::Report> inbox;
    std::vector<boot::Report> sent;
    bool gone = false;
    bool restarted = false;

private:
    SimBootloader& m_bootloader;
};

const fw::ImageFamily& family512()
{
    return *fw::FirmwareTable::builtin().findModel("LT108HE")->family;
}

Bytes image512(const std::string& model = "LT108HE", const std::string& version = "V1.00.07")
{
    return fw::BinImage::build(family512(), "LTK32,01,KB,LUMTAR," + model + "," + version, "Nov 18 2024,09:30:12",
                               Bytes(1000, 0x42));
}

SimKeyboardState inUpdateMode(const std::string& model)
{
    SimKeyboardState s;
    s.model = model;
    s.firmwareVersion = "V1.00.06";
    s.firmwareDate = "Mar 26 2024,20:50:50";
    s.validImage = false;
    return s;
}

struct Fixture {
    explicit Fixture(const std::string& model = "LT108HE", int target = 0)
        : memory(inUpdateMode(model)), bootloader(model, target, 524288, memory), channel(bootloader),
          writer(channel, fw::FirmwareTable::builtin())
    {
        writer.setProgress([this](int total, int done) { progress.emplace_back(total, done); });
    }
    SimKeyboardState memory;
    SimBootloader bootloader;
    LoopChannel channel;
    fw::FirmwareWriter writer;
    std::vector<std::pair<int, int>> progress;

    void expectUntouched() const
    {
        QCOMPARE(QString::fromStdString(memory.firmwareVersion), QString("V1.00.06"));
        QVERIFY(!memory.validImage);
        QCOMPARE(memory.imagesWritten, 0);
        QVERIFY(!channel.restarted);
    }
};

boot::Report raw(std::initializer_list<std::pair<size_t, uint8_t>> bytes)
{
    boot::Report r{};
    for (const auto& b : bytes)
        r[b.first] = b.second;
    return r;
}

} // namespace

class TestBootloader : public QObject {
    Q_OBJECT
private slots:
    void requestsRoundTrip();
    void repliesRoundTrip();
    void decodersRefuseWhatIsNotTheProtocol_data();
    void decodersRefuseWhatIsNotTheProtocol();
    void writesVerifiesAndRestarts();
    void writesTheReceiver();
    void checksBeforeTheFirstByte_data();
    void checksBeforeTheFirstByte();
    void refusalsLeaveTheFirmwareUntouched_data();
    void refusalsLeaveTheFirmwareUntouched();
    void answersOfAnEarlierAttemptAreSkipped();
    void bootloaderKeepsItsOrder();
};

void TestBootloader::requestsRoundTrip()
{
    boot::Request q;
    const boot::Report b = boot::begin(524288, 0xDEADBEEF, boot::kTargetReceiver, "LT108HE");
    QVERIFY(boot::decodeRequest(b.data(), b.size(), &q));
    QVERIFY(q.command == boot::Command::Begin);
    QCOMPARE(q.imageSize, 524288u);
    QCOMPARE(q.imageCrc, 0xDEADBEEFu);
    QCOMPARE(q.target, int(boot::kTargetReceiver));
    QCOMPARE(QString::fromStdString(q.model), QString("LT108HE"));

    const uint8_t data[5] = { 1, 2, 3, 4, 5 };
    const boot::Report k = boot::block(70000, data, 5);
    QVERIFY(boot::decodeRequest(k.data(), k.size(), &q));
    QVERIFY(q.command == boot::Command::Block);
    QCOMPARE(q.block, 70000u);
    QCOMPARE(q.dataLength, size_t(5));
    QCOMPARE(q.data[4], uint8_t(5));
    const Bytes many(200, 9);
    QCOMPARE(boot::block(0, many.data(), many.size())[6], uint8_t(boot::kBlockData)); // never more than a block

    for (const boot::Report& r : { boot::identify(), boot::verify(), boot::restart() })
        QVERIFY(boot::decodeRequest(r.data(), r.size(), &q));
    // A model that does not fit makes no report at all.
    QCOMPARE(boot::begin(1, 1, 0, std::string(32, 'M'))[0], uint8_t(0));
    QCOMPARE(boot::begin(1, 1, 0, "two words")[0], uint8_t(0));
    QCOMPARE(boot::blockCount(0), 0u);
    QCOMPARE(boot::blockCount(56), 1u);
    QCOMPARE(boot::blockCount(57), 2u);
    QCOMPARE(boot::blockCount(524288), 9363u);
}

void TestBootloader::repliesRoundTrip()
{
    boot::Reply p;
    const boot::Report id = boot::identity(boot::kTargetReceiver, 524288, true, "LT108HE");
    QVERIFY(boot::decodeReply(id.data(), id.size(), &p));
    QVERIFY(p.kind == boot::ReplyKind::Identity);
    QCOMPARE(p.protocolVersion, int(boot::kProtocolVersion));
    QCOMPARE(p.target, int(boot::kTargetReceiver));
    QCOMPARE(p.maxImageSize, 524288u);
    QCOMPARE(p.blockData, int(boot::kBlockData));
    QVERIFY(p.hasValidImage);
    QCOMPARE(QString::fromStdString(p.model), QString("LT108HE"));

    const boot::Report r = boot::ready(9363);
    QVERIFY(boot::decodeReply(r.data(), r.size(), &p));
    QCOMPARE(p.blocks, 9363u);
    const boot::Report a = boot::ack(48);
    QVERIFY(boot::decodeReply(a.data(), a.size(), &p));
    QCOMPARE(p.nextBlock, 48u);
    const boot::Report v = boot::verified(0x12345678);
    QVERIFY(boot::decodeReply(v.data(), v.size(), &p));
    QCOMPARE(p.crc, 0x12345678u);
    const boot::Report e = boot::error(boot::ErrorCode::OutOfOrder, 17);
    QVERIFY(boot::decodeReply(e.data(), e.size(), &p));
    QVERIFY(p.error == boot::ErrorCode::OutOfOrder);
    QCOMPARE(p.nextBlock, 17u);
    // Only an out-of-order error names a block.
    QCOMPARE(boot::error(boot::ErrorCode::Refused, 17)[3], uint8_t(0));
}

void TestBootloader::decodersRefuseWhatIsNotTheProtocol_data()
{
    QTest::addColumn<boot::Report>("report");
    QTest::addColumn<bool>("isReply");
    QTest::newRow("all zero") << boot::Report{} << true;
    QTest::newRow("keyboard report marker only") << raw({ { 0, 1 } }) << true;
    QTest::newRow("unknown reply") << raw({ { 0, 1 }, { 1, 0x54 } }) << true;
    QTest::newRow("other marker") << [] {
        auto r = boot::ack(1);
        r[0] = 2;
        return r;
    }() << true;
    QTest::newRow("ack with bytes after its number") << [] {
        auto r = boot::ack(1);
        r[63] = 1;
        return r;
    }() << true;
    QTest::newRow("error code 0") << raw({ { 0, 1 }, { 1, 0x5F } }) << true;
    QTest::newRow("error code 10") << raw({ { 0, 1 }, { 1, 0x5F }, { 2, 10 } }) << true;
    QTest::newRow("refusal naming a block") << raw({ { 0, 1 }, { 1, 0x5F }, { 2, 9 }, { 3, 1 } }) << true;
    QTest::newRow("identity of target 2") << [] {
        auto r = boot::identity(0, 1, false, "M");
        r[3] = 2;
        return r;
    }() << true;
    QTest::newRow("identity model unterminated") << [] {
        auto r = boot::identity(0, 1, false, "M");
        std::fill(r.begin() + 12, r.begin() + 44, uint8_t('M'));
        return r;
    }() << true;
    QTest::newRow("identity model with a control byte") << [] {
        auto r = boot::identity(0, 1, false, "MM");
        r[13] = 0x07;
        return r;
    }() << true;
    QTest::newRow("identify with a payload") << raw({ { 0, 1 }, { 1, 0x40 }, { 5, 1 } }) << false;
    QTest::newRow("block of no bytes") << raw({ { 0, 1 }, { 1, 0x42 } }) << false;
    QTest::newRow("block of 57 bytes") << raw({ { 0, 1 }, { 1, 0x42 }, { 6, 57 } }) << false;
    QTest::newRow("block with bytes past its length") << [] {
        const uint8_t d[2] = { 1, 2 };
        auto r = boot::block(0, d, 2);
        r[20] = 9;
        return r;
    }() << false;
    QTest::newRow("begin for target 3") << [] {
        auto r = boot::begin(1, 1, 0, "M");
        r[10] = 3;
        return r;
    }() << false;
    QTest::newRow("begin without model") << raw({ { 0, 1 }, { 1, 0x41 } }) << false;
}

void TestBootloader::decodersRefuseWhatIsNotTheProtocol()
{
    QFETCH(boot::Report, report);
    QFETCH(bool, isReply);
    if (isReply) {
        boot::Reply p;
        QVERIFY(!boot::decodeReply(report.data(), report.size(), &p));
    } else {
        boot::Request q;
        QVERIFY(!boot::decodeRequest(report.data(), report.size(), &q));
    }
    QVERIFY(!boot::decodeReply(report.data(), 63, nullptr));
    QVERIFY(!boot::decodeRequest(report.data(), 65, nullptr));
}

void TestBootloader::writesVerifiesAndRestarts()
{
    Fixture f;
    const Bytes image = image512();
    QCOMPARE(f.writer.write(image, 262144, 0), int(LUMTAR_FW_OK)); // two banks, never cut
    QCOMPARE(QString::fromStdString(f.memory.firmwareVersion), QString("V1.00.07"));
    QCOMPARE(QString::fromStdString(f.memory.firmwareDate), QString("Nov 18 2024,09:30:12"));
    QVERIFY(f.memory.validImage);
    QCOMPARE(f.memory.imagesWritten, 1);
    QVERIFY(f.channel.restarted);
    QCOMPARE(f.channel.sentOf(boot::Command::Block), int(boot::blockCount(524288)));

    // Progress counts acknowledged bytes: it only rises, from 0 to all of it.
    QVERIFY(f.progress.size() > 100);
    QCOMPARE(f.progress.front(), std::make_pair(524288, 0));
    QCOMPARE(f.progress.back(), std::make_pair(524288, 524288));
    for (size_t i = 1; i < f.progress.size(); ++i) {
        QCOMPARE(f.progress[i].first, 524288);
        QVERIFY(f.progress[i].second >= f.progress[i - 1].second);
    }
}

void TestBootloader::writesTheReceiver()
{
    Fixture f("LT108HE", boot::kTargetReceiver);
    QCOMPARE(f.writer.write(image512(), 262144, 0), int(LUMTAR_FW_OTHER_DEVICE));
    QCOMPARE(f.channel.sentOf(boot::Command::Begin), 0);
    QCOMPARE(f.writer.write(image512(), 262144, 1), int(LUMTAR_FW_OK));
    QVERIFY(f.memory.validImage);
}

void TestBootloader::checksBeforeTheFirstByte_data()
{
    QTest::addColumn<Bytes>("image");
    QTest::addColumn<int>("bankSize");
    QTest::addColumn<int>("receiverFlag");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("identifies");
    const Bytes good = image512();
    QTest::newRow("truncated") << Bytes(good.begin(), good.end() - 56) << 262144 << 0 << int(LUMTAR_FW_IMAGE_INVALID) << 0;
    QTest::newRow("damaged") << [&] {
        Bytes b = good;
        b[5000] ^= 1;
        return b;
    }() << 262144 << 0 << int(LUMTAR_FW_IMAGE_INVALID) << 0;
    QTest::newRow("not whole banks") << good << 300000 << 0 << int(LUMTAR_FW_IMAGE_INVALID) << 0;
    QTest::newRow("no bank size") << good << 0 << 0 << int(LUMTAR_FW_BAD_ARGUMENT) << 0;
    QTest::newRow("receiver flag 2") << good << 262144 << 2 << int(LUMTAR_FW_BAD_ARGUMENT) << 0;
    QTest::newRow("another model's image") << image512("LT104RGB") << 262144 << 0 << int(LUMTAR_FW_OTHER_DEVICE) << 1;
    QTest::newRow("the receiver's image for the keyboard") << good << 262144 << 1 << int(LUMTAR_FW_OTHER_DEVICE) << 1;
}

void TestBootloader::checksBeforeTheFirstByte()
{
    QFETCH(Bytes, image);
    QFETCH(int, bankSize);
    QFETCH(int, receiverFlag);
    QFETCH(int, result);
    QFETCH(int, identifies);
    Fixture f;
    QCOMPARE(f.writer.write(image, bankSize, receiverFlag), result);
    QVERIFY(!f.writer.why().empty());
    QCOMPARE(f.channel.sentOf(boot::Command::Identify), identifies);
    QCOMPARE(int(f.channel.sent.size()), identifies); // nothing but the question who is there
    f.expectUntouched();
}

void TestBootloader::refusalsLeaveTheFirmwareUntouched_data()
{
    QTest::addColumn<SimFaults>("faults");
    QTest::addColumn<int>("result");
    SimFaults refuse;
    refuse.refuseImages = 1;
    QTest::newRow("refused") << refuse << int(LUMTAR_FW_REFUSED);
    SimFaults corrupt;
    corrupt.corruptBlock = 4000;
    QTest::newRow("a block damaged on the way") << corrupt << int(LUMTAR_FW_VERIFY_FAILED);
    SimFaults silent;
    silent.silentAfterReports = 300;
    QTest::newRow("stops answering") << silent << int(LUMTAR_FW_NO_ANSWER);
    SimFaults vanish;
    vanish.vanishAfterImageBytes = 200000;
    QTest::newRow("unplugged mid-write") << vanish << int(LUMTAR_FW_DEVICE_GONE);
}

void TestBootloader::refusalsLeaveTheFirmwareUntouched()
{
    QFETCH(SimFaults, faults);
    QFETCH(int, result);
    Fixture f;
    f.channel.faults = faults;
    QCOMPARE(f.writer.write(image512(), 262144, 0), result);
    f.expectUntouched();
    if (result == LUMTAR_FW_REFUSED || result == LUMTAR_FW_VERIFY_FAILED) {
        // The same bootloader takes the next attempt.
        f.channel.faults = SimFaults();
        f.channel.inbox.clear();
        QCOMPARE(f.writer.write(image512(), 262144, 0), int(LUMTAR_FW_OK));
        QCOMPARE(f.memory.imagesWritten, 1);
    }
}

void TestBootloader::answersOfAnEarlierAttemptAreSkipped()
{
    Fixture f;
    f.channel.inbox.push_back(boot::ack(16));
    f.channel.inbox.push_back(boot::verified(1));
    f.channel.inbox.push_back(boot::ready(3));
    QCOMPARE(f.writer.write(image512(), 262144, 0), int(LUMTAR_FW_OK));
}

void TestBootloader::bootloaderKeepsItsOrder()
{
    SimKeyboardState memory = inUpdateMode("LT108HE");
    SimBootloader b("LT108HE", 0, 1000, memory);
    SimFaults faults;
    auto answer = [&](const boot::Report& r) {
        const auto out = b.handle(r.data(), r.size(), faults);
        boot::Reply p;
        if (out.replies.empty() || !boot::decodeReply(out.replies[0].report.data(), 64, &p))
            return boot::Reply();
        return p;
    };
    const uint8_t d[56] = {};
    QVERIFY(answer(boot::block(0, d, 56)).error == boot::ErrorCode::NotBegun);
    QVERIFY(answer(boot::verify()).error == boot::ErrorCode::NotBegun);
    QVERIFY(answer(boot::begin(2000, 0, 0, "LT108HE")).error == boot::ErrorCode::BadSize); // larger than its flash
    QVERIFY(answer(boot::begin(100, 0, 0, "LT104RGB")).error == boot::ErrorCode::WrongModel);
    QVERIFY(answer(boot::begin(100, 0, 1, "LT108HE")).error == boot::ErrorCode::WrongTarget);
    const boot::Reply ready = answer(boot::begin(100, 0, 0, "LT108HE"));
    QVERIFY(ready.kind == boot::ReplyKind::Ready);
    QCOMPARE(ready.blocks, 2u);
    QCOMPARE(SimBootloader::prepareMs(100), SimBootloader::kPrepareMsPer64K);
    const boot::Reply skipped = answer(boot::block(1, d, 44));
    QVERIFY(skipped.error == boot::ErrorCode::OutOfOrder);
    QCOMPARE(skipped.nextBlock, 0u);
    QVERIFY(answer(boot::block(0, d, 40)).error == boot::ErrorCode::BadSize); // a short block before the last
    QVERIFY(answer(boot::verify()).error == boot::ErrorCode::Incomplete);
    QVERIFY(answer(boot::restart()).error == boot::ErrorCode::Refused); // nothing valid to start
    QVERIFY(!memory.validImage);
    const boot::Report garbage{};
    QVERIFY(answer(garbage).error == boot::ErrorCode::UnknownCommand);
}

QTEST_GUILESS_MAIN(TestBootloader)
#include "tst_bootloader.moc"
