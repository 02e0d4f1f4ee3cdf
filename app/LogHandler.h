// The daily log: one line per message, one file per day, files older than
// seven days removed at start. Each line names its level ("Debug",
// "Info", "Warning", "Critical", "Fatal"); Qt's own messages are kept too.
#ifndef LOGHANDLER_H
#define LOGHANDLER_H

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// Creates the log folder of the executable base name (with its parents),
// removes log files older than seven days and directs the log there.
void cleanLogDir(const QString &baseName);

// The Qt message handler: writes every message to the day's log file.
// Safe to call from any thread.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);

namespace LogHandler {

// "<data folder>/<baseName>/logDir".
QString logDirFor(const QString &baseName);
void setLogDir(const QString &dir);
QString logDir();

// The level's name in a log line: "Debug", "Info", "Warning", "Critical", "Fatal".
QString levelName(QtMsgType type);
// One log line, without its line end.
QString formatLine(const QMessageLogContext &context, const QString &text, const QDateTime &now,
                   QtMsgType type = QtDebugMsg);
// The day's file in dir: "yyyy-MM-dd.log".
QString logFilePath(const QString &dir, const QDateTime &now);
// Appends line and CR LF to the file of now's day; false when it cannot be written.
bool appendLine(const QString &dir, const QDateTime &now, const QString &line);
// Removes the files of dir born (or, where the file system keeps no birth
// time, last modified) more than seven days before now. Returns how many.
int removeOldLogs(const QString &dir, const QDateTime &now);

} // namespace LogHandler

#endif
