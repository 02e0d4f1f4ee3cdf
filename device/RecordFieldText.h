// The text of a fixed-size character field of a device record: up to its
// first NUL and never past its end, whether or not the field is terminated.
#ifndef DEVICE_RECORDFIELDTEXT_H
#define DEVICE_RECORDFIELDTEXT_H

#include <QByteArray>

#include <cstring>

template <size_t N>
inline QByteArray recordFieldText(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(strnlen(field, N)));
}

#endif
