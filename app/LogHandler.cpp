#include "app/LogHandler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>

namespace LogHandler {

namespace {

QString &logDirStorage()
{
    static QString dir;
    return dir;
}

QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

QString logDirFor(const QString &baseName)
{
    // Before the application object exists the data location does not carry
    // the application name yet: add the executable's base name ourselves.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::toNativeSeparators(data + QLatin1Char('/') + baseName + QStringLiteral("/logDir"));
}

void setLogDir(const QString &dir)
{
    QMutexLocker lock(&logMutex());
    logDirStorage() = dir;
}

QString logDir()
{
    QMutexLocker lock(&logMutex());
    return logDirStorage();
}

QString levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("Debug");
    case QtInfoMsg:
        return QStringLiteral("Info");
    case QtWarningMsg:
        return QStringLiteral("Warning");
    case QtCriticalMsg:
        return QStringLiteral("Critical");
    case QtFatalMsg:
        return QStringLiteral("Fatal");
    }
    return QStringLiteral("Debug");
}

QString formatLine(const QMessageLogContext &context, const QString &text, const QDateTime &now, QtMsgType type)
{
    return QStringLiteral("[%1]-[flie:%2    line:%3    datetime:%4]--------------------- %5")
        .arg(levelName(type), QString::fromUtf8(context.file ? context.file : ""))
        .arg(context.line)
        .arg(now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), text);
}

QString logFilePath(const QString &dir, const QDateTime &now)
{
    return QDir::toNativeSeparators(dir + QLatin1Char('/') + now.toString(QStringLiteral("yyyy-MM-dd"))
                                    + QStringLiteral(".log"));
}

bool appendLine(const QString &dir, const QDateTime &now, const QString &line)
{
    QFile file(logFilePath(dir, now));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = line.toUtf8() + "\r\n";
    return file.write(bytes) == bytes.size();
}

int removeOldLogs(const QString &dir, const QDateTime &now)
{
    const QDateTime cutOff = now.addDays(-7);
    int removed = 0;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        QDateTime born = entry.birthTime();
        if (!born.isValid())
            born = entry.lastModified();
        if (born.isValid() && born < cutOff && QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace LogHandler

void cleanLogDir(const QString &baseName)
{
    const QString dir = LogHandler::logDirFor(baseName);
    QDir().mkpath(dir);
    LogHandler::setLogDir(dir);
    LogHandler::removeOldLogs(dir, QDateTime::currentDateTime());
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // A warning that Qt raises while a line is being written (the handler
    // takes every level now) would come back here and wait for the lock it
    // holds: such a message is dropped.
    static thread_local bool writing = false;
    if (writing)
        return;
    writing = true;
    // One lock around building, opening, writing and closing: lines from
    // several threads never interleave.
    QMutexLocker lock(&LogHandler::logMutex());
    const QString &dir = LogHandler::logDirStorage();
    if (!dir.isEmpty()) {
        const QDateTime now = QDateTime::currentDateTime();
        LogHandler::appendLine(dir, now, LogHandler::formatLine(context, text, now, type));
    }
    writing = false;
}
