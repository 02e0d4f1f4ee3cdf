// The music mode's key frame: one bar per band, drawn on the band's key
// columns from the bottom row up to a height of 0..5 that follows the band's
// loudness. The top cell of each bar fades between spectra, and every tick
// yields the per-column level and intensity that the compact 2.4 GHz report
// carries.
#ifndef MUSICBARFRAME_H
#define MUSICBARFRAME_H

#include <QByteArray>
#include <QColor>
#include <QVector>

#include "sdk/include/LumtarLight.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBandLayout.h"

class MusicBarFrame
{
public:
    static constexpr int Rows = 6;
    static constexpr int Columns = MusicBandLayout::Columns;
    static constexpr int MaxLevel = 5;
    // Intensity a falling top cell loses per tick.
    static constexpr int FadeStep = 25;
    // Bands the compact report has room for, and its music bytes: one level
    // per band, then one intensity per band.
    static constexpr int ReportBands = 11;
    static constexpr int ReportBytes = 2 * ReportBands;

    struct Band
    {
        double value = 0.0;
        bool clipped = false;
    };

    MusicBarFrame();

    // Takes the band layout; the bars start empty.
    void setLayout(const MusicBandLayout &layout);
    const MusicBandLayout &layout() const { return m_layout; }

    // Every cell takes its band's palette colour (full colour) or colour,
    // and nothing is lit.
    void initMusicFrame(bool fullColour, const QColor &colour);
    // The full-colour palette, one colour per band.
    static QColor paletteColour(int band);

    // The loudest amplitude of each band's bins in [low, high) becomes the
    // band's value, and the bars are filled to the matching levels.
    void applySpectrum(const FrequencySpectrum &spectrum);
    // Band values to bar heights.
    void bandLevel();
    // Lights rows 0..level, counted from the bottom, of count columns from
    // first; the top lit cell starts to fall. The colours are kept.
    void fillMusicColumns(int level, int first, int count);
    // A band value (0..1) to its bar level 0..5.
    static int musicLevel(double value);

    // One keyboard tick: the falling cells lose FadeStep, a cell that has
    // gone dark hands the fall to the cell below it; the per-column lists are
    // rebuilt.
    void buildMusicFrame();
    // One fade step: mode 1 rises by step (1 once it reaches 255), mode 2
    // falls by step (2 once it reaches 0); 0 otherwise.
    static int stepIntensity(int &value, int step, int mode);

    const LightFramePointStu &point(int row, int column) const { return m_frame[row * Columns + column]; }
    // The weight of the cell's colour against the bottom colour: its
    // intensity while its bar is lit, else 0.
    int weight(int row, int column) const;

    const QVector<Band> &bands() const { return m_bands; }
    // Per column, left to right: the level of the column's bar and the
    // intensity of its top cell; 0 and 0 for a column without a bar. Empty
    // before the first tick.
    const QVector<int> &columnLevels() const { return m_columnLevels; }
    const QVector<int> &columnIntensities() const { return m_columnIntensities; }

    // The music bytes of the compact report: for each band, the level and
    // intensity of its last column; 0 and 0 for a band without columns.
    QByteArray reportBytes() const;

private:
    MusicBandLayout m_layout;
    LightFramePointStu m_frame[Rows * Columns];
    QVector<Band> m_bands;
    QVector<int> m_columnLevels;
    QVector<int> m_columnIntensities;
};

#endif
