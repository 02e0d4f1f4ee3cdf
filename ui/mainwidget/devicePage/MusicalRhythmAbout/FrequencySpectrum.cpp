#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"

FrequencySpectrum::FrequencySpectrum(int numPoints) : m_elements(numPoints)
{
}

void FrequencySpectrum::reset()
{
    for (Element &element : m_elements)
        element = Element();
}
