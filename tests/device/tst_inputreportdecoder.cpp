// The input-report decoder as one table of (bytes, delivered length) ->
// event: every reply the keyboard sends, and short, cut-off and unknown ones.
#include "device/InputReportDecoder.h"

#include <QtTest>

using namespace InputReport;

Q_DECLARE_METATYPE(InputReport::Event)

namespace {

// A 64-byte report buffer holding the given bytes from byte 0, the rest zero.
QByteArray report(std::initializer_list<int> bytes)
{
    QByteArray r(64, '\0');
    int i = 0;
    for (int b : bytes)
        r[i++] = static_cast<char>(b);
    return r;
}

// A reply: [0] 0x01, [1] id, [2] byte 2, payload from byte 6.
QByteArray reply(int id, std::initializer_list<int> payload, int byte2 = 0, int lengthCode = 0)
{
    QByteArray r(64, '\0');
    r[0] = 0x01;
    r[1] = static_cast<char>(id);
    r[2] = static_cast<char>(byte2);
    r[5] = static_cast<char>(lengthCode);
    int i = 6;
    for (int b : payload)
        r[i++] = static_cast<char>(b);
    return r;
}

QByteArray withText(int id, const QByteArray &text)
{
    QByteArray r = reply(id, {});
    r.replace(6, text.size(), text);
    return r.left(64);
}

// The codes, then zeros up to `size` codes.
std::vector<int> padded(std::vector<int> codes, size_t size)
{
    codes.resize(size, 0);
    return codes;
}

template <size_t N>
std::array<uint8_t, N> filledArray(int value)
{
    std::array<uint8_t, N> a;
    a.fill(static_cast<uint8_t>(value));
    return a;
}

colorInfoData color(int kind, std::initializer_list<int> fields)
{
    colorInfoData c{};
    int32_t *f = &c.lightKind;
    *f++ = kind;
    for (int v : fields)
        *f++ = v;
    return c;
}

} // namespace

class tst_InputReportDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void fifthField_data();
    void fifthField();
};

void tst_InputReportDecoder::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("length");
    QTest::addColumn<Event>("event");

    // Nothing, or not even an id.
    QTest::newRow("no bytes") << report({}) << 0 << Event(Short{-1, 0});
    QTest::newRow("report id only") << report({0x01}) << 1 << Event(Short{-1, 1});
    QTest::newRow("negative length") << report({0x01, 0x19}) << -5 << Event(Short{-1, 0});
    QTest::newRow("unknown reply") << reply(0x33, {1, 2, 3}) << 64 << Event(Ignored{0x33});
    QTest::newRow("0x06 is not acted on") << reply(0x06, {}) << 64 << Event(Ignored{0x06});

    // Status.
    QTest::newRow("status")
        << reply(0x01, {1, 0, 0, 2, 87, 1, 0, 3, 2}, 0, 9) << 64 << Event(Status{true, 2, 87, 1, 0, 3, 2});
    QTest::newRow("status, filter byte 2 is off")
        << reply(0x01, {2, 0, 0, 0, 50}, 0, 9) << 64 << Event(Status{false, 0, 50, 0, 0, 0, 0});
    QTest::newRow("status without its length byte") << reply(0x01, {1, 0, 0, 2, 87}) << 64 << Event(Ignored{0x01});
    QTest::newRow("status in 14 bytes") << reply(0x01, {1}, 0, 9) << 14 << Event(Short{0x01, 14});
    QTest::newRow("status, length past 64 taken as 64")
        << reply(0x01, {0, 0, 0, 1, 20}, 0, 9) << 1000 << Event(Status{false, 1, 20, 0, 0, 0, 0});

    // Sleep times.
    QTest::newRow("sleep times taken") << reply(0x14, {}) << 3 << Event(SleepTimeAcknowledged{});
    QTest::newRow("sleep times") << reply(0x14, {0, 0, 0, 0x01, 0x2C, 0x07, 0x08, 1}, 2) << 64
                                 << Event(SleepTimes{300, 1800, 1});
    QTest::newRow("sleep times in 12 bytes") << reply(0x14, {0, 0, 0, 9, 9, 9}, 2) << 12 << Event(Short{0x14, 12});
    QTest::newRow("sleep reply of another kind") << reply(0x14, {}, 1) << 64 << Event(Ignored{0x14});
    QTest::newRow("sleep reply without its kind") << reply(0x14, {}) << 2 << Event(Short{0x14, 2});

    // Keys.
    QTest::newRow("key report") << reply(0x04, {0x04, 0, 43, 61, 0, 0, 0, 9}) << 64
                                << Event(KeyReport{{0x04, 0, 43, 61, 0, 0, 0, 9}});
    QTest::newRow("key report in 13 bytes") << reply(0x04, {0x04}) << 13 << Event(Short{0x04, 13});
    QTest::newRow("full key report") << reply(0x05, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}) << 64
                                     << Event(FullKeyReport{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}});
    QTest::newRow("full key report in 18 bytes") << reply(0x05, {1}) << 18 << Event(Short{0x05, 18});
    QTest::newRow("function key down") << reply(0x20, {2, 0, 0, 41, 1}) << 64 << Event(FunctionKey{2, 41, true});
    QTest::newRow("function key up") << reply(0x20, {0, 0, 0, 41, 0}) << 11 << Event(FunctionKey{0, 41, false});
    QTest::newRow("function key in 10 bytes") << reply(0x20, {0, 0, 0, 4, 1}) << 10 << Event(Short{0x20, 10});

    // Light mode lists: codes up to the first marker, then two values.
    QTest::newRow("keyboard modes") << reply(0x0A, {3, 5, 0xA5, 4, 2}) << 64
                                    << Event(LightModeList{LUMTAR_LIGHT_KIND_KEYBOARD, {3, 5}, 4, 2});
    QTest::newRow("side modes, markers repeated") << reply(0x02, {1, 0x5A, 0xA5, 7, 8}) << 64
                                                  << Event(LightModeList{LUMTAR_LIGHT_KIND_SIDE, {1}, 7, 8});
    QTest::newRow("side modes, none") << reply(0x02, {0xA5, 0, 0}) << 64
                                      << Event(LightModeList{LUMTAR_LIGHT_KIND_SIDE, {}, 0, 0});
    QTest::newRow("modes in a short report, complete") << reply(0x0A, {0, 1, 0xA5, 5, 5}) << 11
                                                       << Event(LightModeList{LUMTAR_LIGHT_KIND_KEYBOARD, {0, 1}, 5, 5});
    QTest::newRow("modes without marker take all 58 bytes")
        << reply(0x0A, {1, 2, 3}) << 64
        << Event(LightModeList{LUMTAR_LIGHT_KIND_KEYBOARD, padded({1, 2, 3}, 58), 0, 0});
    QByteArray lastByteValue = reply(0x0A, {});
    lastByteValue[62] = char(0xA5);
    lastByteValue[63] = 9;
    QTest::newRow("first value in byte 63, second beyond: 0")
        << lastByteValue << 64 << Event(LightModeList{LUMTAR_LIGHT_KIND_KEYBOARD, padded({}, 56), 9, 0});
    QTest::newRow("modes without marker in 12 bytes") << reply(0x0A, {1, 2, 3, 4, 5, 6}) << 12 << Event(Short{0x0A, 12});
    QTest::newRow("modes without their second value") << reply(0x02, {1, 2, 0xA5, 5, 5}) << 10 << Event(Short{0x02, 10});
    QTest::newRow("modes without their values") << reply(0x02, {1, 2, 0xA5}) << 9 << Event(Short{0x02, 9});
    QTest::newRow("modes, header only") << reply(0x02, {}) << 6 << Event(Short{0x02, 6});
    QTest::newRow("modes in 5 bytes") << reply(0x02, {}) << 5 << Event(Short{0x02, 5});

    // Light configurations.
    QTest::newRow("keyboard light")
        << reply(0x07, {3, 4, 1, 255, 128, 0, 1, 2, 3, 1, 0, 7}) << 64
        << Event(LightConfig{color(LUMTAR_LIGHT_KIND_KEYBOARD, {3, 5, 2, 255, 128, 0, 1, 2, 3, 1, 0, 7, 0})});
    QTest::newRow("side light") << reply(0x08, {2, 0, 0, 9, 9, 9}) << 18
                                << Event(LightConfig{color(LUMTAR_LIGHT_KIND_SIDE, {2, 1, 1, 9, 9, 9, 0, 0, 0, 0, 0, 0, 0})});
    QTest::newRow("light in 17 bytes") << reply(0x07, {9, 9, 9}) << 17 << Event(Short{0x07, 17});
    QTest::newRow("custom scheme in use") << reply(0x09, {}, 3) << 3 << Event(CustomSchemeInUse{3});
    QTest::newRow("custom scheme in 2 bytes") << reply(0x09, {}, 3) << 2 << Event(Short{0x09, 2});
    CustomKeyBitmap bitmap;
    bitmap.columns.fill(0x3F);
    bitmap.columns[21] = 0x01;
    QByteArray bitmapBytes = reply(0x0E, {});
    for (int c = 0; c < 22; ++c)
        bitmapBytes[6 + c] = static_cast<char>(bitmap.columns[c]);
    QTest::newRow("custom keys") << bitmapBytes << 28 << Event(bitmap);
    QTest::newRow("custom keys in 27 bytes") << bitmapBytes << 27 << Event(Short{0x0E, 27});

    // Texts.
    QTest::newRow("text") << withText(0x0D, "LT108HE,V1,0,KB,LUMTAR,x") << 64
                          << Event(TextReply{"LT108HE,V1,0,KB,LUMTAR,x"});
    QTest::newRow("text ended inside a short report") << withText(0x0D, "a,b") << 10 << Event(TextReply{"a,b"});
    QTest::newRow("text without its end") << withText(0x0D, QByteArray(40, 'x')) << 30 << Event(Short{0x0D, 30});
    QTest::newRow("text filling the report") << withText(0x0D, QByteArray(58, 'y')) << 64
                                             << Event(TextReply{std::string(58, 'y')});
    QTest::newRow("serial number") << withText(0x15, "A1B2C3D4E5F60718293A4B5C6D7E8F90ZZZZ") << 64
                                   << Event(SerialNumber{"A1B2C3D4E5F60718293A4B5C6D7E8F90"});
    QTest::newRow("serial number cut by a zero") << withText(0x15, QByteArray("A1B2C3D4E5F607\0" "18293A", 21))
                                                 << 64 << Event(SerialNumber{"A1B2C3D4E5F607"});
    QTest::newRow("serial number in 37 bytes") << withText(0x15, QByteArray(32, 'A')) << 37 << Event(Short{0x15, 37});

    // Download acknowledgements and the receiver.
    QTest::newRow("macro packet taken") << reply(0x19, {}) << 2 << Event(MacroPacketAcknowledged{});
    QTest::newRow("macro slot reply") << reply(0x18, {}) << 64 << Event(MacroSlotReply{});
    QTest::newRow("receiver reply") << reply(0x0B, {}, 5) << 64 << Event(ReceiverReply{5});

    // Magnetic-switch replies by sub-command.
    QTest::newRow("travel sample") << reply(0x21, {1, 2, 14, 33}) << 10 << Event(KeyTravelSample{2, 14, 33});
    QTest::newRow("travel sample in 9 bytes") << reply(0x21, {1, 2, 14, 33}) << 9 << Event(Short{0x21, 9});
    QTest::newRow("largest travel") << reply(0x21, {4, 40}) << 8 << Event(MaxTravel{40});
    QTest::newRow("key travel settings") << reply(0x21, {5, 13, 15, 20, 3, 5}) << 64
                                         << Event(KeyTravelSettings{13, 15, 20, 3, 5});
    QTest::newRow("key travel settings in 11 bytes") << reply(0x21, {5, 13}) << 11 << Event(Short{0x21, 11});
    QTest::newRow("key calibration") << reply(0x21, {7, 2}) << 64 << Event(KeyCalibrationStatus{2});
    AllKeysCalibrationStatus allKeys{1, filledArray<22>(0)};
    allKeys.columns[0] = 0x21;
    allKeys.columns[21] = 0x01;
    QByteArray allKeysBytes = reply(0x21, {8, 1, 0x21});
    allKeysBytes[8 + 21] = 0x01;
    QTest::newRow("all-keys calibration") << allKeysBytes << 30 << Event(allKeys);
    QTest::newRow("all-keys calibration in 29 bytes") << allKeysBytes << 29 << Event(Short{0x21, 29});
    QTest::newRow("report rate") << reply(0x21, {9, 8}) << 64 << Event(ReportRate{8});
    QTest::newRow("anti-shake") << reply(0x21, {10, 3}) << 64 << Event(AntiShake{3});
    QTest::newRow("magnetic reply of another kind") << reply(0x21, {3, 1}) << 64 << Event(Ignored{0x21});
    QTest::newRow("magnetic reply without its kind") << reply(0x21, {4, 40}) << 6 << Event(Short{0x21, 6});
}

void tst_InputReportDecoder::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, length);
    QFETCH(Event, event);
    // Only the delivered bytes exist: the sanitizer sees any read past them.
    const int held = qBound(0, length, 64);
    std::unique_ptr<unsigned char[]> exact(new unsigned char[static_cast<size_t>(qMax(held, 1))]);
    std::memcpy(exact.get(), bytes.constData(), static_cast<size_t>(held));
    const Event decoded = InputReportDecoder::decode(exact.get(), length);
    QVERIFY2(decoded == event, qPrintable(QStringLiteral("decoded alternative %1, expected %2")
                                              .arg(decoded.index())
                                              .arg(event.index())));
}

void tst_InputReportDecoder::fifthField_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("six fields") << QByteArray("a,b,c,d,e,f") << QByteArray("e");
    QTest::newRow("five fields") << QByteArray("a,b,c,d,e") << QByteArray("e");
    QTest::newRow("four fields") << QByteArray("a,b,c,d") << QByteArray();
    QTest::newRow("empty fifth") << QByteArray("a,b,c,d,,f") << QByteArray();
    QTest::newRow("no text") << QByteArray() << QByteArray();
}

void tst_InputReportDecoder::fifthField()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, field);
    QCOMPARE(QByteArray::fromStdString(TextReply{text.toStdString()}.fifthField()), field);
}

QTEST_APPLESS_MAIN(tst_InputReportDecoder)
#include "tst_inputreportdecoder.moc"
