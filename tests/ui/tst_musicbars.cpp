// The music mode's widget-free parts as tables: how bands are laid over the
// key columns, which band a frequency falls in, band values to levels, the
// bars and their fade, the per-column lists and the compact report's music
// bytes, and how captured packets are gathered into chunks.
#include <QtTest>

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicAudioBuffer.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBandLayout.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarFrame.h"

using IntList = QVector<int>;

namespace {

MusicBandLayout layoutFor(int keyCount, int bands = 11)
{
    MusicBandLayout layout;
    layout.set(keyCount, bands, 30.0, 930.0);
    return layout;
}

// The lit cells of a column, bottom up, as intensities.
IntList columnCells(const MusicBarFrame &bars, int column)
{
    IntList cells;
    for (int row = MusicBarFrame::Rows - 1; row >= 0; --row)
        cells << bars.weight(row, column);
    return cells;
}

FrequencySpectrum spectrumWith(const QVector<QPair<double, double>> &bins)
{
    FrequencySpectrum spectrum(4096);
    for (int i = 0; i < bins.size(); ++i) {
        spectrum[i + 2].frequency = bins[i].first;
        spectrum[i + 2].amplitude = bins[i].second;
    }
    return spectrum;
}

} // namespace

class TestMusicBars : public QObject
{
    Q_OBJECT

private slots:
    void bandLayout_data();
    void bandLayout();
    void bandLayoutRefused_data();
    void bandLayoutRefused();
    void bandOfFrequency_data();
    void bandOfFrequency();
    void levels_data();
    void levels();
    void barHeights_data();
    void barHeights();
    void spectrumFillsBands();
    void fullColourPalette();
    void fade();
    void columnListsAndReportBytes_data();
    void columnListsAndReportBytes();
    void processWideCounter();
    void bufferFollowsTheFormat();
};

void TestMusicBars::bandLayout_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("bands");
    QTest::addColumn<IntList>("columns");
    QTest::newRow("104") << 104 << 11 << IntList{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    QTest::newRow("108") << 108 << 11 << IntList{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    QTest::newRow("87") << 87 << 11 << IntList{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("68") << 68 << 11 << IntList{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
    QTest::newRow("34") << 34 << 11 << IntList{0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    QTest::newRow("21") << 21 << 11 << IntList{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("98") << 98 << 11 << IntList{1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("unknown count") << 75 << 11 << IntList{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    QTest::newRow("one band") << 104 << 1 << IntList{22};
    QTest::newRow("22 bands") << 87 << 22 << IntList{0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0};
}

void TestMusicBars::bandLayout()
{
    QFETCH(int, keyCount);
    QFETCH(int, bands);
    QFETCH(IntList, columns);
    MusicBandLayout layout;
    QVERIFY(layout.set(keyCount, bands, 30.0, 930.0));
    IntList expected = columns;
    expected.resize(MusicBandLayout::Columns); // padded with zeros
    QCOMPARE(layout.columnsPerBand(), expected);

    // Columns are numbered band after band; those left over belong to band 0.
    int column = 0;
    for (int band = 0; band < bands; ++band) {
        for (int i = 0; i < columns[band]; ++i)
            QCOMPARE(layout.bandOfColumn(column++), band);
    }
    for (; column < MusicBandLayout::Columns; ++column)
        QCOMPARE(layout.bandOfColumn(column), 0);
}

void TestMusicBars::bandLayoutRefused_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("no bands") << 0 << 30.0 << 930.0;
    QTest::newRow("negative") << -3 << 30.0 << 930.0;
    QTest::newRow("more bands than columns") << 23 << 30.0 << 930.0;
    QTest::newRow("empty range") << 11 << 930.0 << 930.0;
    QTest::newRow("reversed range") << 11 << 930.0 << 30.0;
    QTest::newRow("not a number") << 11 << qQNaN() << 930.0;
}

void TestMusicBars::bandLayoutRefused()
{
    QFETCH(int, bands);
    QFETCH(double, low);
    QFETCH(double, high);
    MusicBandLayout layout = layoutFor(104);
    QVERIFY(!layout.set(104, bands, low, high));
    // The layout in use stays.
    QCOMPARE(layout.bandCount(), 11);
    QCOMPARE(layout.columnsOfBand(10), 2);
    QCOMPARE(layout.spectrumBandIndex(480.0), 5);
}

void TestMusicBars::bandOfFrequency_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("band");
    // 900 / 11 = 81.8 Hz per band
    QTest::newRow("below") << 29.99 << -1;
    QTest::newRow("low edge") << 30.0 << 0;
    QTest::newRow("bin 3") << 3 * 44100.0 / 4096 << 0;
    QTest::newRow("end of band 0") << 111.8 << 0;
    QTest::newRow("start of band 1") << 111.9 << 1;
    QTest::newRow("480 Hz") << 480.0 << 5;
    QTest::newRow("725 Hz") << 725.0 << 8;
    QTest::newRow("bin 86") << 86 * 44100.0 / 4096 << 10;
    QTest::newRow("just below high") << 929.999999 << 10;
    QTest::newRow("high edge") << 930.0 << -1;
}

void TestMusicBars::bandOfFrequency()
{
    QFETCH(double, frequency);
    QFETCH(int, band);
    QCOMPARE(layoutFor(104).spectrumBandIndex(frequency), band);
    // No layout yet: no band.
    QCOMPARE(MusicBandLayout().spectrumBandIndex(frequency), -1);
}

void TestMusicBars::levels_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("level");
    QTest::newRow("negative") << -0.5 << 0;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("0.0999") << 0.0999 << 0;
    QTest::newRow("0.1") << 0.1 << 1;
    QTest::newRow("0.25") << 0.25 << 2;
    QTest::newRow("0.4") << 0.4 << 3;
    QTest::newRow("0.55") << 0.55 << 4;
    QTest::newRow("0.6999") << 0.6999 << 4;
    QTest::newRow("0.7") << 0.7 << 5;
    QTest::newRow("1") << 1.0 << 5;
}

void TestMusicBars::levels()
{
    QFETCH(double, value);
    QFETCH(int, level);
    QCOMPARE(MusicBarFrame::musicLevel(value), level);
}

void TestMusicBars::barHeights_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<IntList>("cells"); // bottom up
    QTest::newRow("5: six rows") << 5 << IntList{255, 255, 255, 255, 255, 255};
    QTest::newRow("3: four rows") << 3 << IntList{255, 255, 255, 255, 0, 0};
    QTest::newRow("1: two rows") << 1 << IntList{255, 255, 0, 0, 0, 0};
    QTest::newRow("0: none") << 0 << IntList{0, 0, 0, 0, 0, 0};
}

void TestMusicBars::barHeights()
{
    QFETCH(int, level);
    QFETCH(IntList, cells);
    MusicBarFrame bars;
    bars.setLayout(layoutFor(104));
    bars.initMusicFrame(false, Qt::red);
    bars.fillMusicColumns(level, 4, 2);
    QCOMPARE(columnCells(bars, 4), cells);
    QCOMPARE(columnCells(bars, 5), cells);
    QCOMPARE(columnCells(bars, 3), IntList(6, 0));
    QCOMPARE(columnCells(bars, 6), IntList(6, 0));
    // Only the top cell falls (at level 0 an unlit one); the colours stay.
    for (int i = 0; i < MusicBarFrame::Rows; ++i) {
        const LightFramePointStu &point = bars.point(MusicBarFrame::Rows - 1 - i, 4);
        QCOMPARE(point.fadeMode, i == level ? 2 : 0);
        QCOMPARE(point.level, i <= level ? level : 0);
        QCOMPARE(QColor(point.r, point.g, point.b), QColor(Qt::red));
    }
}

void TestMusicBars::spectrumFillsBands()
{
    MusicBarFrame bars;
    bars.setLayout(layoutFor(104));
    bars.initMusicFrame(false, Qt::white);
    // Band 5 holds 0.3 and a clipped 0.8 → level 5; band 0 a quiet bin; bins
    // outside 30..930 Hz count for nothing.
    FrequencySpectrum spectrum = spectrumWith({{480.0, 0.3}, {500.0, 0.8}, {40.0, 0.12}, {20.0, 1.0}, {935.0, 1.0}});
    spectrum[3].clipped = true;
    bars.applySpectrum(spectrum);
    QCOMPARE(bars.bands().size(), 11);
    QCOMPARE(bars.bands()[5].value, 0.8);
    QVERIFY(bars.bands()[5].clipped);
    QCOMPARE(bars.bands()[0].value, 0.12);
    QVERIFY(!bars.bands()[0].clipped);
    QCOMPARE(bars.bands()[10].value, 0.0);
    QCOMPARE(columnCells(bars, 10), IntList(6, 255));
    QCOMPARE(columnCells(bars, 11), IntList(6, 255));
    QCOMPARE(columnCells(bars, 0), (IntList{255, 255, 0, 0, 0, 0}));
    QCOMPARE(columnCells(bars, 21), IntList(6, 0));

    // The next spectrum starts from nothing.
    bars.applySpectrum(spectrumWith({{40.0, 0.3}}));
    QCOMPARE(bars.bands()[5].value, 0.0);
    QCOMPARE(columnCells(bars, 10), IntList(6, 0));
    QCOMPARE(columnCells(bars, 1), (IntList{255, 255, 255, 0, 0, 0}));
}

void TestMusicBars::fullColourPalette()
{
    MusicBarFrame bars;
    bars.setLayout(layoutFor(87));
    bars.initMusicFrame(true, Qt::white);
    // 87 keys: columns 0, 1 are bands 0, 1; 2 and 3 band 2; column 17 band 10.
    auto colourAt = [&bars](int row, int column) {
        const LightFramePointStu &p = bars.point(row, column);
        return QColor(p.r, p.g, p.b);
    };
    QCOMPARE(colourAt(0, 0), QColor(255, 0, 0));
    QCOMPARE(colourAt(5, 1), QColor(255, 128, 0));
    QCOMPARE(colourAt(3, 3), QColor(255, 255, 0));
    QCOMPARE(colourAt(2, 17), QColor(255, 0, 255));
    // Columns past the layout belong to band 0.
    QCOMPARE(colourAt(2, 21), QColor(255, 0, 0));
    bars.initMusicFrame(false, QColor(10, 20, 30));
    QCOMPARE(colourAt(4, 9), QColor(10, 20, 30));
}

void TestMusicBars::fade()
{
    struct Step
    {
        int value, step, mode, after, result;
    };
    const Step steps[] = {
        {255, 25, 2, 230, 0}, {25, 25, 2, 0, 0},    {24, 25, 2, 0, 2},   {0, 25, 2, 0, 2},
        {230, 25, 1, 255, 0}, {231, 25, 1, 255, 1}, {100, 25, 0, 100, 0}, {100, 25, 7, 100, 0},
    };
    for (const Step &s : steps) {
        int value = s.value;
        QCOMPARE(MusicBarFrame::stepIntensity(value, s.step, s.mode), s.result);
        QCOMPARE(value, s.after);
    }

    // A level-2 bar: its top cell loses 25 per tick and, once below 25,
    // goes to 0 and hands the fall to the cell below in the same tick.
    MusicBarFrame bars;
    bars.setLayout(layoutFor(104));
    bars.initMusicFrame(false, Qt::white);
    bars.fillMusicColumns(2, 0, 2);
    for (int tick = 1; tick <= 10; ++tick) {
        bars.buildMusicFrame();
        QCOMPARE(columnCells(bars, 0), (IntList{255, 255, 255 - 25 * tick, 0, 0, 0}));
    }
    bars.buildMusicFrame(); // 5 < 25: down to 0, and the cell below falls
    QCOMPARE(columnCells(bars, 0), (IntList{255, 230, 0, 0, 0, 0}));
    QCOMPARE(bars.point(3, 0).fadeMode, 0);
    QCOMPARE(bars.point(4, 0).fadeMode, 2);
    // The dark top cell still names the bar's level in the column lists.
    QCOMPARE(bars.columnLevels()[0], 2);
    QCOMPARE(bars.columnIntensities()[0], 0);
    bars.buildMusicFrame();
    QCOMPARE(columnCells(bars, 0), (IntList{255, 205, 0, 0, 0, 0}));
    // Given time the whole bar goes dark; a level-0 column never lights.
    for (int tick = 0; tick < 40; ++tick)
        bars.buildMusicFrame();
    QCOMPARE(columnCells(bars, 0), IntList(6, 0));
    QCOMPARE(columnCells(bars, 2), IntList(6, 0));
}

void TestMusicBars::columnListsAndReportBytes_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<IntList>("bandLevels");
    QTest::addColumn<IntList>("reportLevels");
    // 104 keys: every band sends its own level.
    QTest::newRow("104") << 104 << IntList{0, 1, 2, 3, 4, 5, 4, 3, 2, 1, 0} << IntList{0, 1, 2, 3, 4, 5, 4, 3, 2, 1, 0};
    // 34 keys: bands 0, 1, 9 and 10 have no columns: they send 0 and the
    // bands between still send theirs.
    QTest::newRow("34") << 34 << IntList{5, 5, 1, 2, 3, 4, 5, 4, 3, 5, 5} << IntList{0, 0, 1, 2, 3, 4, 5, 4, 3, 0, 0};
    QTest::newRow("87") << 87 << IntList{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1} << IntList{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1};
}

void TestMusicBars::columnListsAndReportBytes()
{
    QFETCH(int, keyCount);
    QFETCH(IntList, bandLevels);
    QFETCH(IntList, reportLevels);
    MusicBarFrame bars;
    bars.setLayout(layoutFor(keyCount));
    bars.initMusicFrame(false, Qt::white);
    // Before the first tick the lists are empty and the bytes all 0.
    QCOMPARE(bars.reportBytes(), QByteArray(MusicBarFrame::ReportBytes, '\0'));

    const MusicBandLayout &layout = bars.layout();
    int first = 0;
    for (int band = 0; band < 11; ++band) {
        bars.fillMusicColumns(bandLevels[band], first, layout.columnsOfBand(band));
        first += layout.columnsOfBand(band);
    }
    bars.buildMusicFrame();
    QCOMPARE(bars.columnLevels().size(), 22);
    QCOMPARE(bars.columnIntensities().size(), 22);
    first = 0;
    for (int band = 0; band < 11; ++band) {
        for (int i = 0; i < layout.columnsOfBand(band); ++i) {
            const int column = first + i;
            QCOMPARE(bars.columnLevels()[column], bandLevels[band]);
            // The top cell has had one fade step.
            QCOMPARE(bars.columnIntensities()[column], bandLevels[band] > 0 ? 230 : 0);
        }
        first += layout.columnsOfBand(band);
    }
    for (int column = first; column < 22; ++column)
        QCOMPARE(bars.columnLevels()[column], 0);

    const QByteArray bytes = bars.reportBytes();
    QCOMPARE(bytes.size(), 22);
    for (int band = 0; band < 11; ++band) {
        QCOMPARE(int(uchar(bytes[band])), reportLevels[band]);
        QCOMPARE(int(uchar(bytes[11 + band])), reportLevels[band] > 0 ? 230 : 0);
    }
}

void TestMusicBars::processWideCounter()
{
    const QAudioFormat format = DSoundCardAudioCapture::packetFormat(44100, 2);
    const int chunk = 4096 * 4;
    // The count is shared by every buffer of the process: bring it to 0.
    {
        MusicAudioBuffer other;
        QByteArray ignored;
        while (MusicAudioBuffer::callCounter() != 0)
            other.append(QByteArray(chunk + 1, '\0'), format, &ignored);
    }
    MusicAudioBuffer buffer;
    QByteArray taken;
    // Packets of 10 ms: the tenth passes one chunk.
    const QByteArray packet(1764, '\0');
    for (int i = 0; i < 9; ++i)
        QVERIFY(!buffer.append(packet, format, &taken));
    QCOMPARE(MusicAudioBuffer::callCounter(), 0);

    // Over-threshold packets 1, 11, 21 are analysed, the nine between only
    // add to the buffer.
    QVector<int> analysed;
    int overThreshold = 0;
    for (int i = 0; i < 400 && overThreshold < 25; ++i) {
        const int before = buffer.size() + packet.size();
        QByteArray chunkTaken;
        const bool ready = buffer.append(packet, format, &chunkTaken);
        if (before > chunk) {
            ++overThreshold;
            if (ready) {
                analysed << overThreshold;
                QCOMPARE(chunkTaken.size(), chunk);
                QCOMPARE(buffer.size(), 0);
            } else {
                QCOMPARE(buffer.size(), before);
            }
        } else {
            QVERIFY(!ready);
        }
    }
    QCOMPARE(analysed, (QVector<int>{1, 11, 21}));
}

void TestMusicBars::bufferFollowsTheFormat()
{
    MusicAudioBuffer buffer;
    QByteArray taken;
    // Mono at 48 kHz: a chunk is 4096 frames of 2 bytes, and the oldest
    // audio is what is taken.
    const QAudioFormat mono = DSoundCardAudioCapture::packetFormat(48000, 1);
    QByteArray audio;
    for (int i = 0; i < 10000; ++i)
        audio.append(char(i % 251));
    bool ready = false;
    int offered = 0;
    for (int i = 0; i < 40 && !ready; ++i, offered += 960) {
        taken.clear();
        ready = buffer.append(audio.mid(offered, 960), mono, &taken);
    }
    if (ready) {
        QCOMPARE(taken.size(), 4096 * 2);
        QCOMPARE(taken, audio.left(4096 * 2));
    }
    // A packet in another format drops the audio of the old one.
    const QAudioFormat stereo = DSoundCardAudioCapture::packetFormat(44100, 2);
    buffer.append(QByteArray(100, '\1'), mono, &taken);
    QVERIFY(buffer.size() > 0);
    buffer.append(QByteArray(40, '\2'), stereo, &taken);
    QCOMPARE(buffer.size(), 40);
    QCOMPARE(buffer.format(), stereo);
    // A format the analyser refuses is dropped.
    QAudioFormat floats = stereo;
    floats.setSampleType(QAudioFormat::Float);
    QVERIFY(!buffer.append(QByteArray(100000, '\0'), floats, &taken));
    QCOMPARE(buffer.size(), 40);
}

QTEST_GUILESS_MAIN(TestMusicBars)
#include "tst_musicbars.moc"
