#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBandLayout.h"

#include <cmath>

MusicBandLayout::MusicBandLayout() : m_columnsPerBand(Columns, 0), m_bandOfColumn(Columns, 0)
{
}

int MusicBandLayout::totalColumns(int keyCount)
{
    switch (keyCount) {
    case 18:
    case 21:
        return 11;
    case 34:
        return 7;
    case 61:
    case 62:
    case 63:
    case 65:
        return 15;
    case 68:
    case 69:
    case 84:
        return 16;
    case 81:
    case 82:
    case 83:
        return 17;
    case 87:
    case 88:
    case 91:
        return 18;
    case 97:
    case 98:
    case 99:
        return 19;
    default:
        return Columns;
    }
}

bool MusicBandLayout::set(int keyCount, int bandCount, double low, double high)
{
    if (bandCount < 1 || bandCount > MaxBands || !std::isfinite(low) || !std::isfinite(high) || !(low < high))
        return false;
    m_keyCount = keyCount;
    m_bandCount = bandCount;
    m_low = low;
    m_high = high;

    const int columns = totalColumns(keyCount);
    const int per = columns / bandCount;
    const int rem = columns % bandCount;
    // The rem bands with one column more sit in the middle of the range.
    const int firstWide = bandCount / 2 - rem / 2;
    m_columnsPerBand.fill(0, Columns);
    for (int band = 0; band < bandCount; ++band)
        m_columnsPerBand[band] = per + (band >= firstWide && band < firstWide + rem ? 1 : 0);

    m_bandOfColumn.fill(0, Columns);
    int column = 0;
    for (int band = 0; band < bandCount; ++band) {
        for (int i = 0; i < m_columnsPerBand[band] && column < Columns; ++i)
            m_bandOfColumn[column++] = band;
    }
    return true;
}

int MusicBandLayout::columnsOfBand(int band) const
{
    return band >= 0 && band < m_bandCount ? m_columnsPerBand[band] : 0;
}

int MusicBandLayout::bandOfColumn(int column) const
{
    return column >= 0 && column < Columns ? m_bandOfColumn[column] : 0;
}

int MusicBandLayout::spectrumBandIndex(double frequency) const
{
    if (m_bandCount < 1 || !(frequency >= m_low && frequency < m_high))
        return -1;
    const int band = int((frequency - m_low) / ((m_high - m_low) / m_bandCount));
    return qMin(band, m_bandCount - 1);
}
