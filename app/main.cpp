#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

#include "app/DAppllication.h"
#include "app/LogHandler.h"
#include "platform/CrashHandler.h"
#include "platform/SingleInstanceKey.h"
#include "platform/TerminationSignalNotifier.h"
#include "platform/hostinput/HostInput.h"

namespace {

const char kInstanceKey[] = "Z770-Q28V2.0_1.2.0.1";

} // namespace

int main(int argc, char *argv[])
{
    const QString baseName = QFileInfo(QString::fromLocal8Bit(argc > 0 ? argv[0] : "lumtar")).baseName();
    const QString appDataDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + baseName;
    CrashHandler::install(appDataDir + QStringLiteral("/dump"));

    SingleInstanceKey instanceKey(QString::fromLatin1(kInstanceKey));
    const bool alreadyRunning = !instanceKey.acquire();
    if (alreadyRunning)
        qDebug() << "--------------- EXE already runing -----------------";

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // Everything is drawn by the raster engine. On X the GL integration
    // would load the system's GL driver, with a software renderer some
    // 50 MB of memory, for nothing.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    cleanLogDir(baseName);
    qInstallMessageHandler(logMessageHandler);

    DAppllication app(QString::fromLatin1(kInstanceKey), argc, argv, alreadyRunning);
    if (app.isConnectedToRunningInstance())
        return 1;
    if (app.isOrphanCopy()) {
        std::fprintf(stderr, "Another copy of this program holds the single-instance key but does not answer.\n"
                             "Close it, or end it if it hangs, and start again.\n");
        return 2;
    }
    // The virtual keyboard of text keys is made now: a desktop takes a
    // moment to add a new keyboard.
    HostInput::systemInput();
    // Logout, kill and Ctrl+C end the program the way its Quit does.
    TerminationSignalNotifier termination;
    QObject::connect(&termination, &TerminationSignalNotifier::sigTerminationRequested, &app,
                     &DAppllication::onTerminationRequested);
    return app.exec();
}
