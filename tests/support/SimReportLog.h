// Reading back what a simulated keyboard received, for device tests.
#ifndef SIMREPORTLOG_H
#define SIMREPORTLOG_H

#include <QByteArray>
#include <QList>
#include <QMap>

#include <string>

namespace SimReportLog {

// The reports the keyboard at `path` received, as 64-byte arrays, leaving
// out the keep-alive (0x00) and the serial-number inquiry (0x14) the I/O
// thread sends by itself.
QList<QByteArray> commands(const std::string &path);
// Every report it received, in order.
QList<QByteArray> all(const std::string &path);
// A 64-byte report of zeros with the given bytes set.
QByteArray report(const QMap<int, int> &bytes);
// "01 13 00 ..." up to the last non-zero byte, for readable failures.
QString hex(const QByteArray &report);

} // namespace SimReportLog

#endif
