#include "platform/SystemInfo.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace SystemInfo {

namespace {

QString readProcFile(const char *path)
{
    // /proc files report a size of 0: read until the end instead.
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString processorNameFrom(const QString &cpuinfo)
{
    const QStringList lines = cpuinfo.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString key = line.left(colon).trimmed();
        // x86 names it "model name"; some other architectures "Model" or "cpu model".
        if (key == QLatin1String("model name") || key == QLatin1String("Model")
            || key == QLatin1String("cpu model"))
            return line.mid(colon + 1).trimmed();
    }
    return QString();
}

Memory physicalMemoryFrom(const QString &meminfo)
{
    Memory memory;
    static const QRegularExpression entry(QStringLiteral("^(MemTotal|MemAvailable):\\s+(\\d+)\\s*kB"),
                                          QRegularExpression::MultilineOption);
    auto it = entry.globalMatch(meminfo);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const double bytes = match.captured(2).toDouble() * 1024.0;
        if (match.captured(1) == QLatin1String("MemTotal"))
            memory.totalBytes = bytes;
        else
            memory.availableBytes = bytes;
    }
    return memory;
}

QString processorName()
{
    return processorNameFrom(readProcFile("/proc/cpuinfo"));
}

Memory physicalMemory()
{
    return physicalMemoryFrom(readProcFile("/proc/meminfo"));
}

int processBits()
{
    return static_cast<int>(sizeof(void *) * 8);
}

} // namespace SystemInfo
