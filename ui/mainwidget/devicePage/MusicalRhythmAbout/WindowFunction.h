// The window applied to a chunk of audio before its FFT.
#ifndef WINDOWFUNCTION_H
#define WINDOWFUNCTION_H

#include <QMetaType>

enum WindowFunction {
    NoWindow = 0,
    HannWindow = 1,
};

Q_DECLARE_METATYPE(WindowFunction)

#endif
