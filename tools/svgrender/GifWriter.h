// Writes pictures as an animated GIF (GIF89a) that loops for ever. Qt reads
// GIF but cannot write it; the picture tool needs it for the few animations
// the program plays with QMovie.
#ifndef GIFWRITER_H
#define GIFWRITER_H

#include <QByteArray>
#include <QImage>
#include <QVector>

namespace GifWriter {

// The frames must all have the same size. Pixels less than half opaque are
// transparent; the colours of the others share one palette of at most 255
// colours (the most frequent ones; the rest take the nearest of them).
// delayCentiseconds is the time each frame is shown. Returns no bytes for no
// frames, frames of different sizes or a size past 65535.
QByteArray encode(const QVector<QImage> &frames, int delayCentiseconds);

} // namespace GifWriter

#endif
