#include "kernel/KernelGuest.h"

#include "kernel/ConventionSides.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace KernelGuest {

bool haveNodes(const QStringList &nodes)
{
    for (const QString &node : nodes) {
        if (access(QFile::encodeName(node).constData(), R_OK | W_OK) != 0)
            return false;
    }
    return true;
}

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

std::unique_ptr<KernelKeyboard> plugKeyboard(const char *model, const std::string &serial, KernelKeyboard::Bus bus)
{
    auto keyboard = std::make_unique<KernelKeyboard>(*deviceTable().findModel(model), serial, bus);
    std::string error;
    if (!keyboard->plug(&error)) {
        qWarning("%s", error.c_str());
        return nullptr;
    }
    qInfo("%s (%s) is %s", model, serial.c_str(), keyboard->node().c_str());
    return keyboard;
}

bool installUdevRule(QString *rules)
{
    const QString installed = QStringLiteral("/run/udev/rules.d/70-lumtar.rules");
    *rules = qEnvironmentVariable("LUMTAR_BIN_DIR") + QStringLiteral("/70-lumtar.rules");
    if (!QDir().mkpath(QStringLiteral("/run/udev/rules.d")))
        return false;
    QFile::remove(installed);
    return QFile::copy(*rules, installed);
}

UdevTest udevTest(const QString &sysPath)
{
    UdevTest result;
    QProcess udev;
    udev.start(QStandardPaths::findExecutable(QStringLiteral("udevadm")), {QStringLiteral("test"), sysPath});
    result.finished = udev.waitForFinished(30000);
    if (!result.finished)
        return result;
    result.exitCode = udev.exitCode();
    result.output = QString::fromLocal8Bit(udev.readAllStandardOutput() + udev.readAllStandardError());
    QStringList relevant{sysPath};
    for (const QString &line : result.output.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("lumtar")) || line.contains(QStringLiteral("uaccess"))
            || line.startsWith(QStringLiteral("TAGS=")) || line.startsWith(QStringLiteral("CURRENT_TAGS=")))
            relevant << line;
    }
    result.summary = relevant.join(QLatin1Char('\n'));
    result.uaccess = QRegularExpression(QStringLiteral("^CURRENT_TAGS=.*:uaccess:"), QRegularExpression::MultilineOption)
                         .match(result.output)
                         .hasMatch();
    return result;
}

} // namespace KernelGuest
