// The result of one spectrum analysis: per frequency bin its frequency, its
// amplitude on a 0..1 logarithmic scale and whether the amplitude was clipped
// to fit that scale. Passed by value in queued signals.
#ifndef FREQUENCYSPECTRUM_H
#define FREQUENCYSPECTRUM_H

#include <QMetaType>
#include <QVector>

class FrequencySpectrum
{
public:
    struct Element
    {
        double frequency = 0.0;  // Hz
        double amplitude = 0.0;  // 0..1
        double phase = 0.0;      // not computed
        bool clipped = false;    // the amplitude was above 1 and was cut to 1
    };

    explicit FrequencySpectrum(int numPoints = 0);

    void reset();
    int count() const { return m_elements.count(); }
    Element &operator[](int index) { return m_elements[index]; }
    const Element &operator[](int index) const { return m_elements[index]; }

    QVector<Element>::const_iterator begin() const { return m_elements.cbegin(); }
    QVector<Element>::const_iterator end() const { return m_elements.cend(); }

private:
    QVector<Element> m_elements;
};

Q_DECLARE_METATYPE(FrequencySpectrum)

#endif
