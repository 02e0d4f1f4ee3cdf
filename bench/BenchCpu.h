// CPU time as the benchmarks of idle and animated work read it: the whole
// process, and the threads of a process by name from /proc.
#ifndef BENCHCPU_H
#define BENCHCPU_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>

#include <ctime>
#include <unistd.h>

namespace bench {

inline double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// CPU seconds of a process's threads whose name starts with `prefix` (all
// threads for an empty prefix).
inline double threadCpuSeconds(const QByteArray &prefix, const QString &pid = QStringLiteral("self"))
{
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly) || !comm.readAll().startsWith(prefix))
            continue;
        QFile stat(tasks.filePath(tid + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
        if (fields.size() > 12)
            total += (fields.at(11).toDouble() + fields.at(12).toDouble()) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }
    return total;
}

// Context switches (voluntary and not) of a process's threads, by thread
// name; threads that ended are not counted.
inline QMap<QByteArray, long> threadContextSwitches(const QString &pid = QStringLiteral("self"))
{
    QMap<QByteArray, long> out;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(tid + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        QByteArray name;
        long switches = 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Name:"))
                name = line.mid(5).trimmed();
            else if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        }
        out[name] += switches;
    }
    return out;
}

} // namespace bench

#endif
