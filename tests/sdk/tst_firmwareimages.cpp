// The firmware images as files: checksums, the strict .ufw parser, the .bin
// layout, the info string's fields, the firmware table with its file-name
// rule, the update volume's files and the order of removable volumes.
#include "core/LumtarResources.h"
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/Crc.h"
#include "sdk/firmware/FirmwareTable.h"
#include "sdk/firmware/RemovableVolumes.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/firmware/UpdateVolume.h"
#include "sdk/hid/DeviceTable.h"
#include "sdk/include/LumtarFirmware.h"

#include <QtTest>

#include <cstring>
#include <fstream>

namespace fw = lumtar::firmware;

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {

Bytes payload(size_t n)
{
    Bytes p(n);
    for (size_t i = 0; i < n; ++i)
        p[i] = static_cast<uint8_t>(i * 7 + 3);
    return p;
}

Bytes goodUfw()
{
    return fw::UfwImage::build("LT68HE", "V104", "Dec 01 2024,11:20:03", payload(1000));
}

// Recomputes both CRCs after a change, so that the change itself is judged.
Bytes resealed(Bytes file)
{
    if (file.size() < fw::UfwImage::kHeaderSize)
        return file;
    const size_t length = file.size() - fw::UfwImage::kHeaderSize;
    const uint32_t pc = fw::crc32(file.data() + 64, length);
    for (int i = 0; i < 4; ++i)
        file[56 + size_t(i)] = uint8_t(pc >> (8 * i));
    const uint16_t hc = fw::crc16(file.data(), 60);
    file[60] = uint8_t(hc);
    file[61] = uint8_t(hc >> 8);
    return file;
}

const fw::ImageFamily& family(const char* name)
{
    for (const fw::ImageFamily& f : fw::FirmwareTable::builtin().families())
        if (f.name == name)
            return f;
    qFatal("no family %s", name);
}

} // namespace

class TestFirmwareImages : public QObject {
    Q_OBJECT
private slots:
    void checksumsOfTheCheckValue();
    void ufwRoundTrip();
    void ufwRefusesAnythingOutOfPlace_data();
    void ufwRefusesAnythingOutOfPlace();
    void ufwBuildRefusesTextsThatDoNotFit();
    void binImageLayout();
    void binImageRefusesDamagedOrTruncated_data();
    void binImageRefusesDamagedOrTruncated();
    void infoStringFields_data();
    void infoStringFields();
    void builtinTableAndItsImages();
    void fileNamesByFamilyAndConnection_data();
    void fileNamesByFamilyAndConnection();
    void badFirmwareTablesAreRefused_data();
    void badFirmwareTablesAreRefused();
    void familyThroughTheCSurface();
    void updateVolumeFiles();
    void removableVolumesInFixedOrder();
};

void TestFirmwareImages::checksumsOfTheCheckValue()
{
    const char* check = "123456789";
    const auto* p = reinterpret_cast<const uint8_t*>(check);
    QCOMPARE(fw::crc32(p, 9), 0xCBF43926u);
    QCOMPARE(fw::crc32(p + 4, 5, fw::crc32(p, 4)), 0xCBF43926u);
    QCOMPARE(fw::crc16(p, 9), uint16_t(0x29B1));
}

void TestFirmwareImages::ufwRoundTrip()
{
    const Bytes file = goodUfw();
    QCOMPARE(file.size(), size_t(64 + 1000));
    fw::UfwImage image;
    std::string error;
    QVERIFY2(fw::UfwImage::parse(file.data(), file.size(), &image, &error), error.c_str());
    QCOMPARE(QString::fromStdString(image.identity), QString("LT68HE"));
    QCOMPARE(QString::fromStdString(image.versionText()), QString("V104"));
    QCOMPARE(QString::fromStdString(image.date), QString("Dec 01 2024,11:20:03"));
    QCOMPARE(image.payload, payload(1000));
    QCOMPARE(image.payloadCrc, fw::crc32(image.payload.data(), image.payload.size()));
    QCOMPARE(image.headerCrc, fw::crc16(file.data(), 60));
    // An empty date is allowed, a 15-character identity fits.
    const Bytes undated = fw::UfwImage::build("ABCDEFGHIJKLMNO", "1234", "", payload(1));
    QVERIFY(fw::UfwImage::parse(undated.data(), undated.size(), &image));
    QCOMPARE(image.identity.size(), size_t(15));
}

void TestFirmwareImages::ufwRefusesAnythingOutOfPlace_data()
{
    QTest::addColumn<Bytes>("file");
    const Bytes good = goodUfw();
    auto with = [&](std::initializer_list<std::pair<size_t, uint8_t>> changes, bool reseal = true) {
        Bytes f = good;
        for (const auto& c : changes)
            f[c.first] = c.second;
        return reseal ? resealed(f) : f;
    };
    QTest::newRow("empty") << Bytes();
    QTest::newRow("header only") << Bytes(good.begin(), good.begin() + 64);
    QTest::newRow("magic") << with({ { 0, 'X' } });
    QTest::newRow("format version") << with({ { 4, 2 } });
    QTest::newRow("reserved after format") << with({ { 6, 1 } });
    QTest::newRow("reserved at the end of the header") << with({ { 63, 1 } });
    QTest::newRow("empty identity") << with({ { 8, 0 }, { 9, 0 }, { 10, 0 }, { 11, 0 }, { 12, 0 }, { 13, 0 } });
    QTest::newRow("space in identity") << with({ { 10, ' ' } });
    QTest::newRow("bytes after the identity's end") << with({ { 20, 'Z' } });
    QTest::newRow("identity without its zero") << with({ { 14, 'A' }, { 15, 'A' }, { 16, 'A' }, { 17, 'A' }, { 18, 'A' },
                                                          { 19, 'A' }, { 20, 'A' }, { 21, 'A' }, { 22, 'A' }, { 23, 'A' } });
    QTest::newRow("version byte not printable") << with({ { 25, 0 } });
    QTest::newRow("control character in date") << with({ { 30, '\n' } });
    QTest::newRow("date without its zero") << [&] {
        Bytes f = good;
        std::memset(f.data() + 28, 'x', 24);
        return resealed(f);
    }();
    QTest::newRow("payload length zero") << with({ { 52, 0 }, { 53, 0 }, { 54, 0 }, { 55, 0 } });
    QTest::newRow("payload length past the end") << with({ { 52, 0xE9 } }); // 1001
    QTest::newRow("truncated") << resealed(Bytes(good.begin(), good.end() - 1));
    QTest::newRow("byte after the payload") << [&] {
        Bytes f = good;
        f.push_back(0);
        return f;
    }();
    QTest::newRow("header CRC") << with({ { 60, uint8_t(good[60] ^ 1) } }, false);
    QTest::newRow("payload changed") << with({ { 500, uint8_t(good[500] ^ 0x10) } }, false);
    QTest::newRow("payload CRC") << with({ { 56, uint8_t(good[56] ^ 1) } }, false);
}

void TestFirmwareImages::ufwRefusesAnythingOutOfPlace()
{
    QFETCH(Bytes, file);
    fw::UfwImage image;
    image.identity = "untouched";
    std::string error;
    QVERIFY(!fw::UfwImage::parse(file.data(), file.size(), &image, &error));
    QVERIFY(!error.empty());
    QCOMPARE(QString::fromStdString(image.identity), QString("untouched"));
}

void TestFirmwareImages::ufwBuildRefusesTextsThatDoNotFit()
{
    QVERIFY(fw::UfwImage::build("", "V104", "", payload(1)).empty());
    QVERIFY(fw::UfwImage::build("ABCDEFGHIJKLMNOP", "V104", "", payload(1)).empty()); // 16 characters
    QVERIFY(fw::UfwImage::build("LT68HE", "V10", "", payload(1)).empty());
    QVERIFY(fw::UfwImage::build("LT68HE", "V104", std::string(24, 'd'), payload(1)).empty());
    QVERIFY(fw::UfwImage::build("LT68HE", "V104", "", Bytes()).empty());
}

void TestFirmwareImages::binImageLayout()
{
    const fw::ImageFamily& f = family("bin512");
    const Bytes code = payload(300);
    const Bytes image = fw::BinImage::build(f, "LTK32,01,KB,LUMTAR,LT108HE,V1.00.07", "Nov 18 2024,09:30:12", code);
    QCOMPARE(image.size(), size_t(524288));
    QVERIFY(std::equal(code.begin(), code.end(), image.begin()));
    QCOMPARE(image[300], uint8_t(0xFF));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()) + 0x10840),
             QByteArray("LTK32,01,KB,LUMTAR,LT108HE,V1.00.07"));
    fw::BinImage bin;
    std::string error;
    QVERIFY2(fw::BinImage::examine(image.data(), image.size(), fw::FirmwareTable::builtin(), &bin, &error),
             error.c_str());
    QCOMPARE(bin.family, &f);
    QCOMPARE(QString::fromStdString(bin.model()), QString("LT108HE"));
    QCOMPARE(QString::fromStdString(bin.version()), QString("V1.00.07"));
    QCOMPARE(QString::fromStdString(bin.date), QString("Nov 18 2024,09:30:12"));
    QCOMPARE(bin.crc, fw::crc32(image.data(), image.size() - 4));

    // The 256 KB family keeps its info string at its own offset.
    const Bytes small = fw::BinImage::build(family("bin256"), "A,B,C,D,LT104RGB,V2", "", code);
    QVERIFY(fw::BinImage::examine(small.data(), small.size(), fw::FirmwareTable::builtin(), &bin));
    QCOMPARE(QString::fromStdString(bin.model()), QString("LT104RGB"));
    QCOMPARE(small[0x1FE1C], uint8_t('A'));

    // Texts and code that do not fit make no image.
    QVERIFY(fw::BinImage::build(f, std::string(51, 'x'), "", code).empty());
    QVERIFY(fw::BinImage::build(f, "a,b", std::string(24, 'd'), code).empty());
    QVERIFY(fw::BinImage::build(f, "a,b", "", Bytes(0x10841)).empty());
}

void TestFirmwareImages::binImageRefusesDamagedOrTruncated_data()
{
    QTest::addColumn<Bytes>("image");
    const Bytes good = fw::BinImage::build(family("bin256"), "A,B,C,D,LT104RGB,V2.01.01", "", payload(64));
    QTest::newRow("truncated") << Bytes(good.begin(), good.end() - 1);
    QTest::newRow("one byte more") << [&] {
        Bytes b = good;
        b.push_back(0);
        return b;
    }();
    QTest::newRow("damaged code") << [&] {
        Bytes b = good;
        b[10] ^= 1;
        return b;
    }();
    QTest::newRow("damaged CRC") << [&] {
        Bytes b = good;
        b.back() ^= 0x80;
        return b;
    }();
    QTest::newRow("no model") << fw::BinImage::build(family("bin256"), "A,B,C,D", "", payload(64));
    QTest::newRow("a .ufw file") << goodUfw();
    QTest::newRow("nothing") << Bytes();
}

void TestFirmwareImages::binImageRefusesDamagedOrTruncated()
{
    QFETCH(Bytes, image);
    std::string error;
    QVERIFY(!fw::BinImage::examine(image.data(), image.size(), fw::FirmwareTable::builtin(), nullptr, &error));
    QVERIFY(!error.empty());
}

void TestFirmwareImages::infoStringFields_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("six fields") << QByteArray("LTK32,01,KB,LUMTAR,LT108HE,V1.00.07\0\0", 38)
                                << QStringList{ "LTK32", "01", "KB", "LUMTAR", "LT108HE", "V1.00.07" };
    QTest::newRow("under six fields") << QByteArray("AB,01\0", 6) << QStringList{ "AB", "01", "", "", "", "" };
    QTest::newRow("empty fields") << QByteArray(",,,,,\0", 6) << QStringList{ "", "", "", "", "", "" };
    QTest::newRow("text after the sixth field") << QByteArray("a,b,c,d,e,f,g,h\0", 16)
                                                << QStringList{ "a", "b", "c", "d", "e", "f" };
    QTest::newRow("ends at the first zero") << QByteArray("a,b\0c,d", 7) << QStringList{ "a", "b", "", "", "", "" };
    // Without a zero the text ends after 50 bytes.
    QTest::newRow("unterminated") << QByteArray(60, 'x')
                                  << QStringList{ QString(50, 'x'), "", "", "", "", "" };
    QTest::newRow("shorter zone") << QByteArray("a,b,c", 5) << QStringList{ "a", "b", "c", "", "", "" };
}

void TestFirmwareImages::infoStringFields()
{
    QFETCH(QByteArray, zone);
    QFETCH(QStringList, fields);
    const auto got = lumtarInfoStringFields(reinterpret_cast<const unsigned char*>(zone.constData()),
                                            static_cast<size_t>(zone.size()));
    QStringList list;
    for (const std::string& f : got)
        list << QString::fromStdString(f);
    QCOMPARE(list, fields);
}

void TestFirmwareImages::builtinTableAndItsImages()
{
    const fw::FirmwareTable& t = fw::FirmwareTable::builtin();
    std::string error;
    fw::FirmwareTable again;
    QVERIFY2(again.parse(fw::FirmwareTable::builtinJson(), &error), error.c_str());
    lumtar::DeviceTable devices;
    QVERIFY(devices.parse(lumtar::DeviceTable::builtinJson()));

    const fw::FirmwareModel* big = t.findModel("LT108HE");
    const fw::FirmwareModel* rgb = t.findModel("LT104RGB");
    const fw::FirmwareModel* compact = t.findModel("LT68HE");
    QVERIFY(big && rgb && compact);
    QVERIFY(!t.findModel("lt108he")); // names are exact
    QCOMPARE(QString::fromStdString(big->family->name), QString("bin512"));
    QCOMPARE(QString::fromStdString(rgb->family->name), QString("bin256"));
    QCOMPARE(QString::fromStdString(compact->family->name), QString("ufw"));
    QVERIFY(big->imageFor(1)); // with the receiver's image
    QVERIFY(big->bootloaderFor(0) && big->bootloaderFor(1) && rgb->bootloaderFor(0));
    QVERIFY(compact->bootloaders.empty());
    QVERIFY(t.isBootloader(0x0416, 0x3f00) && t.isBootloader(0x1fc9, 0xf7df) && t.isBootloader(0x0416, 0x3f01));
    QVERIFY(!t.isBootloader(0x1209, 0x7472));

    // Each image is newer than what the simulated keyboard runs, and in the
    // same form, so that the text comparison orders them.
    for (const fw::FirmwareModel& m : t.models()) {
        const lumtar::DeviceModel* d = devices.findModel(m.model);
        QVERIFY2(d, m.model.c_str());
        for (const fw::ImageEntry& e : m.images) {
            QVERIFY2(strcasecmp(e.version.c_str(), d->simFirmwareVersion.c_str()) > 0, m.model.c_str());
            QCOMPARE(e.version.size(), d->simFirmwareVersion.size());
        }
    }

    // The images the program carries, made at build time, are whole and
    // say what the table says.
    lumtarInitResources();
    int images = 0;
    for (const fw::FirmwareModel& m : t.models()) {
        for (const fw::ImageEntry& e : m.images) {
            const QString name = QString::fromStdString(m.family->imageFileName(m.model, e.connectType));
            QFile file(":/images/UpdateFirmwareFile/" + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray data = file.readAll();
            const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
            if (m.family->format == fw::ImageFormat::Bin) {
                fw::BinImage bin;
                QVERIFY2(fw::BinImage::examine(bytes, size_t(data.size()), t, &bin, &error), error.c_str());
                QCOMPARE(bin.model(), m.model);
                QCOMPARE(bin.version(), e.version);
                QCOMPARE(bin.date, e.date);
                const lumtar::DeviceModel* d = devices.findModel(m.model);
                QCOMPARE(bin.fields[0], d->chipFamily);
                QCOMPARE(bin.fields[3], d->customerCode);
            } else {
                fw::UfwImage ufw;
                QVERIFY2(fw::UfwImage::parse(bytes, size_t(data.size()), &ufw, &error), error.c_str());
                QCOMPARE(ufw.identity, m.model);
                QCOMPARE(ufw.versionText(), e.version);
            }
            ++images;
        }
    }
    QCOMPARE(images, 4);
}

void TestFirmwareImages::fileNamesByFamilyAndConnection_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("connectType");
    QTest::addColumn<QString>("name");
    QTest::newRow(".ufw on USB") << "ufw" << 0 << "M1.ufw";
    QTest::newRow(".ufw on the receiver") << "ufw" << 1 << "M1_Dongle.ufw";
    QTest::newRow("512 KB on USB") << "bin512" << 0 << "M1.bin";
    QTest::newRow("512 KB on the receiver") << "bin512" << 1 << "M1_Dongle.bin";
    QTest::newRow("512 KB, any other connection value") << "bin512" << 7 << "M1_Dongle.bin";
    QTest::newRow("256 KB on USB") << "bin256" << 0 << "M1.bin";
    QTest::newRow("256 KB on the receiver: the same file") << "bin256" << 1 << "M1.bin";
}

void TestFirmwareImages::fileNamesByFamilyAndConnection()
{
    QFETCH(QString, family);
    QFETCH(int, connectType);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(::family(family.toLatin1().constData()).imageFileName("M1", connectType)), name);
}

void TestFirmwareImages::badFirmwareTablesAreRefused_data()
{
    QTest::addColumn<QString>("json");
    const QString families = R"("families":[{"family":"b","format":"bin","imageSize":4096,"infoOffset":100,"fileName":"%1.bin","receiverFileName":"%1_D.bin"}])";
    auto table = [&](const QString& models) { return "{" + families + R"(,"models":[)" + models + "]}"; };
    QTest::newRow("not JSON") << "{";
    QTest::newRow("no lists") << "{}";
    QTest::newRow("unknown format") << R"({"families":[{"family":"x","format":"zip","fileName":"%1","receiverFileName":"%1"}],"models":[]})";
    QTest::newRow("file name without %1") << R"({"families":[{"family":"x","format":"ufw","fileName":"a.ufw","receiverFileName":"%1"}],"models":[]})";
    QTest::newRow("file name with a folder") << R"({"families":[{"family":"x","format":"ufw","fileName":"../%1","receiverFileName":"%1"}],"models":[]})";
    QTest::newRow("info string past the end") << R"({"families":[{"family":"x","format":"bin","imageSize":4096,"infoOffset":4010,"fileName":"%1","receiverFileName":"%1"}],"models":[]})";
    QTest::newRow("two .bin families of one size") << R"({"families":[{"family":"x","format":"bin","imageSize":4096,"infoOffset":0,"fileName":"%1","receiverFileName":"%1"},{"family":"y","format":"bin","imageSize":4096,"infoOffset":0,"fileName":"%1","receiverFileName":"%1"}],"models":[]})";
    QTest::newRow("unknown family") << table(R"({"model":"M","family":"z"})");
    QTest::newRow("model name too long") << table(R"({"model":"ABCDEFGHIJKLMNOP","family":"b"})");
    QTest::newRow("model twice") << table(R"({"model":"M","family":"b"},{"model":"M","family":"b"})");
    QTest::newRow("image without version") << table(R"({"model":"M","family":"b","images":[{"connection":"usb"}]})");
    QTest::newRow("two images for USB") << table(R"({"model":"M","family":"b","images":[{"version":"1"},{"connection":"usb","version":"2"}]})");
    QTest::newRow("bad connection") << table(R"({"model":"M","family":"b","images":[{"connection":"bt","version":"1"}]})");
    QTest::newRow("bad bootloader id") << table(R"({"model":"M","family":"b","bootloaders":[{"vendorId":"xyz","productId":"1"}]})");
}

void TestFirmwareImages::badFirmwareTablesAreRefused()
{
    QFETCH(QString, json);
    fw::FirmwareTable t;
    std::string error;
    QVERIFY(!t.parse(json.toStdString(), &error));
    QVERIFY(!error.empty());
    QVERIFY(t.models().empty() && t.families().empty());
}

void TestFirmwareImages::familyThroughTheCSurface()
{
    FirmwareFamilyStu f;
    QVERIFY(CLumtarHid_GetFirmwareFamily("LT108HE", &f));
    QCOMPARE(f.format, int(LUMTAR_IMAGE_BIN));
    QCOMPARE(f.imageSize, 524288);
    QCOMPARE(f.infoOffset, 0x10840);
    QCOMPARE(f.hasBootloader, 1);
    QCOMPARE(QByteArray(f.fileName), QByteArray("LT108HE.bin"));
    QCOMPARE(QByteArray(f.receiverFileName), QByteArray("LT108HE_Dongle.bin"));
    QVERIFY(CLumtarHid_GetFirmwareFamily("LT68HE", &f));
    QCOMPARE(f.format, int(LUMTAR_IMAGE_UFW));
    QCOMPARE(f.hasBootloader, 0);
    QVERIFY(!CLumtarHid_GetFirmwareFamily("LT999", &f));
    QCOMPARE(f.hidModel[0], '\0');
    QVERIFY(!CLumtarHid_GetFirmwareFamily(nullptr, &f));

    std::list<SupportInfoStu> ids;
    QCOMPARE(CLumtarHid_GetBootloaderIdList(&ids), 3);
    QCOMPARE(QByteArray(ids.front().hidModel), QByteArray("LT108HE"));
    QCOMPARE(QByteArray(ids.front().vendorId), QByteArray("0416"));
    QCOMPARE(QByteArray(ids.front().productId), QByteArray("3f00"));
}

void TestFirmwareImages::updateVolumeFiles()
{
    namespace volume = fw::volume;
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    volume::Identity id;
    QCOMPARE(volume::readIdentity(folder, &id), -1);
    QVERIFY(volume::writeIdentity(folder, { "LT68HE", "V103" }));
    QCOMPARE(volume::readIdentity(folder, &id), 0);
    QCOMPARE(QString::fromStdString(id.model), QString("LT68HE"));
    QCOMPARE(QString::fromStdString(id.version), QString("V103"));
    auto writeRaw = [&](const char* name, const std::string& text) {
        std::ofstream(folder + "/" + name, std::ios::binary | std::ios::trunc) << text;
    };
    for (const char* bad : { "model=LT68HE\n", "model=LT68HE\nversion=V103\ncolour=red\n", "model LT68HE\n",
                             "model=A B\nversion=V1\n", "model=LT68HE\nversion=V1000\n" }) {
        writeRaw(volume::kIdentityFile, bad);
        QCOMPARE(volume::readIdentity(folder, &id), -2);
    }
    writeRaw(volume::kIdentityFile, std::string(300, 'x'));
    QCOMPARE(volume::readIdentity(folder, &id), -2);

    int code = -1;
    QCOMPARE(volume::readVerdict(folder, &code), 0);
    QVERIFY(volume::writeVerdict(folder, volume::kVerdictOk));
    QCOMPARE(volume::readVerdict(folder, &code), 1);
    QCOMPARE(code, 0);
    QVERIFY(volume::writeVerdict(folder, volume::kVerdictWrongModel));
    QCOMPARE(volume::readVerdict(folder, &code), 1);
    QCOMPARE(code, 2);
    writeRaw(volume::kVerdictFile, "MAYBE\n");
    QCOMPARE(volume::readVerdict(folder, &code), -1);
}

void TestFirmwareImages::removableVolumesInFixedOrder()
{
    const std::string table = "/dev/sda2 / ext4 rw 0 0\n"
                              "proc /proc proc rw 0 0\n"
                              "/dev/sdc1 /media/u/STICK\\040TWO vfat rw 0 0\n"
                              "/dev/sdb1 /media/u/KEYBOARD vfat rw 0 0\n"
                              "/dev/sdb1 /media/u/KEYBOARD vfat rw 0 0\n"
                              "tmpfs /run tmpfs rw 0 0\n";
    const auto volumes = fw::RemovableVolumes::mountedRemovable(
        table, [](const std::string& node) { return node == "/dev/sdb1" || node == "/dev/sdc1"; });
    QCOMPARE(volumes, (std::vector<std::string>{ "/media/u/KEYBOARD", "/media/u/STICK TWO" }));
    QCOMPARE(QString::fromStdString(fw::RemovableVolumes::unescapeMountField("a\\011b\\134c\\9")),
             QString("a\tb\\c\\9"));

    QTemporaryDir dir;
    for (const char* name : { "10", "2", "x", "3a" })
        QVERIFY(QDir(dir.path()).mkdir(name));
    QFile plainFile(dir.path() + "/7");
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    const std::string root = dir.path().toStdString();
    QCOMPARE(fw::RemovableVolumes::numberedFolders(root), (std::vector<std::string>{ root + "/2", root + "/10" }));
    QVERIFY(fw::RemovableVolumes::folderOf('@').empty());
    QVERIFY(fw::RemovableVolumes::folderOf('[').empty());
}

QTEST_GUILESS_MAIN(TestFirmwareImages)
#include "tst_firmwareimages.moc"
