#include "support/SimReportLog.h"

#include "sdk/sim/SimController.h"

#include <QString>

namespace SimReportLog {

QList<QByteArray> all(const std::string &path)
{
    QList<QByteArray> out;
    for (const auto &r : lumtar::sim::SimController::instance().receivedReports(path))
        out.append(QByteArray(reinterpret_cast<const char *>(r.data()), static_cast<int>(r.size())));
    return out;
}

QList<QByteArray> commands(const std::string &path)
{
    QList<QByteArray> out;
    for (const QByteArray &r : all(path)) {
        const bool keepAlive = r.at(0) == 0x00 && r.at(1) == 0x00;
        const bool serialInquiry = r.at(0) == 0x00 && r.at(1) == 0x14;
        if (!keepAlive && !serialInquiry)
            out.append(r);
    }
    return out;
}

QByteArray report(const QMap<int, int> &bytes)
{
    QByteArray r(64, '\0');
    for (auto it = bytes.cbegin(); it != bytes.cend(); ++it)
        r[it.key()] = static_cast<char>(it.value());
    return r;
}

QString hex(const QByteArray &report)
{
    int last = report.size() - 1;
    while (last > 1 && report.at(last) == 0)
        --last;
    return QString::fromLatin1(report.left(last + 1).toHex(' '));
}

} // namespace SimReportLog
