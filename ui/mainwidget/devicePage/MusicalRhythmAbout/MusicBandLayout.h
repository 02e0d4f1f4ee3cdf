// How the music mode spreads its frequency bands over the 22 key columns: the
// number of columns of each band (the extra columns of an uneven split sit in
// the middle of the range), the band of each column, and the band of a
// frequency.
#ifndef MUSICBANDLAYOUT_H
#define MUSICBANDLAYOUT_H

#include <QVector>

class MusicBandLayout
{
public:
    static constexpr int Columns = 22;
    static constexpr int MaxBands = Columns;

    // Empty: no bands, every column in band 0.
    MusicBandLayout();

    // Lays bandCount bands from low to high Hz over the columns a keyboard of
    // keyCount keys uses. Refused (false, layout unchanged) for a band count
    // of 0 or above 22, or a range that is empty.
    bool set(int keyCount, int bandCount, double low, double high);

    // The key columns a keyboard of keyCount keys spreads its bands over.
    static int totalColumns(int keyCount);

    int keyCount() const { return m_keyCount; }
    int bandCount() const { return m_bandCount; }
    double low() const { return m_low; }
    double high() const { return m_high; }

    // 22 entries: one per band, then zeros.
    const QVector<int> &columnsPerBand() const { return m_columnsPerBand; }
    int columnsOfBand(int band) const;
    int bandOfColumn(int column) const;

    // The band of a frequency; -1 outside [low, high).
    int spectrumBandIndex(double frequency) const;

private:
    int m_keyCount = 0;
    int m_bandCount = 0;
    double m_low = 0.0;
    double m_high = 0.0;
    QVector<int> m_columnsPerBand;
    QVector<int> m_bandOfColumn;
};

#endif
