#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarFrame.h"

#include <cstring>

namespace {

// One colour per band, from red through the rainbow to magenta.
constexpr int kPalette[MusicBarFrame::ReportBands][3] = {
    {255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {128, 255, 0}, {0, 255, 0},   {0, 255, 128},
    {0, 255, 255}, {0, 128, 255}, {0, 0, 255},   {128, 0, 255}, {255, 0, 255},
};

constexpr int kFadeNone = 0;
constexpr int kFadeRising = 1;
constexpr int kFadeFalling = 2;

} // namespace

MusicBarFrame::MusicBarFrame()
{
    std::memset(m_frame, 0, sizeof(m_frame));
}

void MusicBarFrame::setLayout(const MusicBandLayout &layout)
{
    m_layout = layout;
    m_bands = QVector<Band>(layout.bandCount());
    for (LightFramePointStu &point : m_frame) {
        point.intensity = 0;
        point.fadeMode = kFadeNone;
        point.level = 0;
    }
    m_columnLevels.clear();
    m_columnIntensities.clear();
}

QColor MusicBarFrame::paletteColour(int band)
{
    const int *rgb = kPalette[qMax(0, band) % ReportBands];
    return QColor(rgb[0], rgb[1], rgb[2]);
}

void MusicBarFrame::initMusicFrame(bool fullColour, const QColor &colour)
{
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const QColor c = fullColour ? paletteColour(m_layout.bandOfColumn(column)) : colour;
            LightFramePointStu &point = m_frame[row * Columns + column];
            std::memset(&point, 0, sizeof(point));
            point.r = c.red();
            point.g = c.green();
            point.b = c.blue();
        }
    }
}

void MusicBarFrame::applySpectrum(const FrequencySpectrum &spectrum)
{
    for (Band &band : m_bands)
        band = Band();
    for (const FrequencySpectrum::Element &element : spectrum) {
        const int index = m_layout.spectrumBandIndex(element.frequency);
        if (index < 0 || index >= m_bands.size())
            continue;
        Band &band = m_bands[index];
        band.value = qMax(band.value, element.amplitude);
        band.clipped = band.clipped || element.clipped;
    }
    bandLevel();
}

int MusicBarFrame::musicLevel(double value)
{
    static constexpr double kThresholds[MaxLevel] = {0.1, 0.25, 0.4, 0.55, 0.7};
    int level = 0;
    while (level < MaxLevel && value >= kThresholds[level])
        ++level;
    return level;
}

void MusicBarFrame::bandLevel()
{
    int first = 0;
    for (int band = 0; band < m_bands.size(); ++band) {
        const int count = m_layout.columnsOfBand(band);
        fillMusicColumns(musicLevel(m_bands[band].value), first, count);
        first += count;
    }
}

void MusicBarFrame::fillMusicColumns(int level, int first, int count)
{
    for (int i = 0; i < Rows; ++i) {
        const int row = Rows - 1 - i;
        for (int column = qMax(0, first); column < first + count && column < Columns; ++column) {
            LightFramePointStu &point = m_frame[row * Columns + column];
            const bool lit = i <= level;
            point.intensity = lit ? 255 : 0;
            point.fadeMode = lit && i == level ? kFadeFalling : kFadeNone;
            point.level = lit ? level : 0;
        }
    }
}

int MusicBarFrame::stepIntensity(int &value, int step, int mode)
{
    if (mode == kFadeRising) {
        if (value + step > 255) {
            value = 255;
            return kFadeRising;
        }
        value += step;
        return 0;
    }
    if (mode == kFadeFalling) {
        if (value < step) {
            value = 0;
            return kFadeFalling;
        }
        value -= step;
        return 0;
    }
    return 0;
}

void MusicBarFrame::buildMusicFrame()
{
    m_columnLevels.clear();
    m_columnIntensities.clear();
    for (int column = 0; column < Columns; ++column) {
        bool found = false;
        for (int row = 0; row < Rows; ++row) {
            LightFramePointStu &point = m_frame[row * Columns + column];
            int intensity = point.intensity;
            if (stepIntensity(intensity, FadeStep, point.fadeMode) != 0) {
                point.fadeMode = kFadeNone;
                if (row < Rows - 1)
                    m_frame[(row + 1) * Columns + column].fadeMode = kFadeFalling;
            }
            point.intensity = intensity;
            if (point.level >= 1 && !found) {
                found = true;
                m_columnLevels.append(point.level);
                m_columnIntensities.append(point.intensity);
            } else if (row == Rows - 1 && !found) {
                m_columnLevels.append(0);
                m_columnIntensities.append(0);
            }
        }
    }
}

int MusicBarFrame::weight(int row, int column) const
{
    const LightFramePointStu &point = m_frame[row * Columns + column];
    return point.level == 0 ? 0 : point.intensity;
}

QByteArray MusicBarFrame::reportBytes() const
{
    QByteArray bytes(ReportBytes, '\0');
    if (m_columnLevels.isEmpty())
        return bytes;
    // A band without columns (few keys, many bands) has no level of its
    // own: it sends 0 and the bands after it still send theirs.
    int column = 0;
    for (int band = 0; band < qMin(ReportBands, m_layout.bandCount()); ++band) {
        const int count = m_layout.columnsOfBand(band);
        if (count == 0)
            continue;
        column += count;
        const int last = qMin(column, int(m_columnLevels.size())) - 1;
        bytes[band] = char(m_columnLevels.at(last));
        bytes[ReportBands + band] = char(m_columnIntensities.at(last));
    }
    return bytes;
}
