#include "app/DAppllication.h"

#include <QDebug>
#include <QDir>
#include <QEasingCurve>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QSettings>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include "app/DLoginWidget.h"
#include "core/DDataManager.h"
#include "core/QtLinguist.h"
#include "platform/CrashHandler.h"
#include "platform/FontAliases.h"
#include "platform/SingleInstanceKey.h"
#include "platform/TerminationSignalNotifier.h"
#include "ui/mainwidget/DMainWidget.h"

#include <memory>

namespace {

// How long a later copy keeps trying to reach the running copy, which may
// still be starting up.
constexpr int kLaterCopyConnectMs = 3000;
constexpr int kConnectAttemptMs = 500;

} // namespace

DAppllication::DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning)
    : QApplication(argc, argv)
{
    Q_UNUSED(appId);
    // The data folders are named after the executable, as the log folder was
    // before this object existed.
    setApplicationName(QFileInfo(applicationFilePath()).baseName());

    FontAliases::install();
    QtLinguist::keepLeftToRight();
    QFont appFont = font();
    appFont.setFamily(QStringLiteral("Microsoft YaHei"));
    appFont.setPixelSize(12);
    setFont(appFont);

    if (!alreadyRunning)
        initAppSettings();
    initSingleInstance(alreadyRunning);
    if (!alreadyRunning && !m_connected)
        createLoginWidget();
}

DAppllication::~DAppllication()
{
    delete m_mainWidget;
    delete m_loginWidget;
}

void DAppllication::onTerminationRequested(int signalNumber)
{
    qDebug().noquote() << "Ended by" << TerminationSignalNotifier::signalName(signalNumber);
    qDebug() << "------------------------- *** App Exit (Normal) *** ------------------------------ \n";
    if (m_mainWidget)
        m_mainWidget->onQuitApp();
    else
        quit();
}

DAppllication *DAppllication::instance()
{
    return qobject_cast<DAppllication *>(QCoreApplication::instance());
}

bool DAppllication::setLanguage(int language)
{
    return linguist()->setLanguage(language);
}

QtLinguist *DAppllication::linguist()
{
    if (!m_linguist)
        m_linguist = new QtLinguist(this);
    return m_linguist;
}

void DAppllication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

QString DAppllication::localServerName()
{
    return SingleInstanceKey::runtimeDir() + QLatin1Char('/')
        + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void DAppllication::initAppSettings()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setApplicationVersion(QStringLiteral("1.0.0.0"));
    setQuitOnLastWindowClosed(true);

    DDataManager::getInstance()->logSystemInfo();
    linguist()->applyStartLanguage(DDataManager::getInstance()->userConfigDir());
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void DAppllication::initSingleInstance(bool alreadyRunning)
{
    m_connected = false;
    m_localServer = nullptr;
    m_activationWindow = nullptr;
    m_serverName = localServerName();
    connectToRunningInstance(alreadyRunning);
}

void DAppllication::connectToRunningInstance(bool alreadyRunning)
{
    m_connected = false;
    QLocalSocket socket;
    QElapsedTimer waited;
    waited.start();
    const int budget = alreadyRunning ? kLaterCopyConnectMs : kConnectAttemptMs;
    do {
        socket.connectToServer(m_serverName, QIODevice::ReadWrite);
        if (socket.waitForConnected(kConnectAttemptMs)) {
            m_connected = true;
            break;
        }
        socket.abort();
        if (alreadyRunning)
            QThread::msleep(100);
    } while (alreadyRunning && waited.elapsed() < budget);

    if (m_connected) {
        const QStringList args = QCoreApplication::arguments();
        QTextStream stream(&socket);
        stream << (args.size() > 1 ? args.last() : QString());
        stream.flush();
        socket.waitForBytesWritten(30000);
        socket.disconnectFromServer();
        return;
    }

    if (alreadyRunning) {
        // Only the copy that owns the key may listen or remove the socket.
        m_orphan = true;
        qDebug() << "Another copy holds the single-instance key but does not answer on" << m_serverName;
        return;
    }
    startLocalServer();
}

void DAppllication::startLocalServer()
{
    m_localServer = new QLocalServer(this);
    m_localServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_localServer, &QLocalServer::newConnection, this, &DAppllication::newLocalConnection);
    bool listening = m_localServer->listen(m_serverName);
    if (!listening && m_localServer->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        listening = m_localServer->listen(m_serverName);
    }
    if (listening) {
        qDebug() << "Single-instance server listening on" << m_serverName;
        return;
    }
    qDebug() << "Single-instance server not listening:" << m_localServer->errorString();
}

void DAppllication::newLocalConnection()
{
    // Every pending connection is taken: one signal may stand for several.
    while (QLocalSocket *socket = m_localServer->nextPendingConnection())
        awaitHandOver(socket);
}

void DAppllication::awaitHandOver(QLocalSocket *socket)
{
    // The hand-over is not read: its arrival, the later copy closing the
    // connection (an empty argument is no bytes at all) or the end of the
    // wait raises the window, once. Nothing here waits on the GUI thread, so
    // a connection that sends nothing, from any process of the user, cannot
    // hold up the window.
    auto *limit = new QTimer(socket);
    limit->setSingleShot(true);
    auto done = std::make_shared<bool>(false);
    auto over = [this, socket, limit, done] {
        if (*done)
            return;
        *done = true;
        limit->stop();
        socket->abort();
        socket->deleteLater();
        raiseActivationWindow();
    };
    connect(socket, &QLocalSocket::readyRead, this, over);
    connect(socket, &QLocalSocket::disconnected, this, over);
    connect(socket, &QLocalSocket::errorOccurred, this, over);
    connect(limit, &QTimer::timeout, this, over);
    limit->start(HandOverWaitMs);
    if (socket->bytesAvailable() > 0 || socket->state() != QLocalSocket::ConnectedState)
        over();
}

void DAppllication::raiseActivationWindow()
{
    if (QWidget *window = m_activationWindow) {
        window->raise();
        window->activateWindow();
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        qDebug() << "A later copy was started: main window raised";
    }
}

void DAppllication::createLoginWidget()
{
    m_loginWidget = new DLoginWidget;
    setActivationWindow(m_loginWidget, true);
    connect(m_loginWidget, &DLoginWidget::sigLoginFinished, this, &DAppllication::onLoginFinished);
    m_loginWidget->login();
}

void DAppllication::onLoginFinished(bool ok)
{
    if (!ok)
        return;

    auto *effect = new QGraphicsOpacityEffect(m_loginWidget);
    m_loginWidget->setGraphicsEffect(effect);
    auto *fade = new QPropertyAnimation(effect, "opacity", m_loginWidget);
    fade->setDuration(100);
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    fade->setEasingCurve(QEasingCurve::OutBack);
    connect(fade, &QPropertyAnimation::finished, m_loginWidget, &QWidget::hide);
    fade->start(QAbstractAnimation::DeleteWhenStopped);

    m_mainWidget = new DMainWidget;
    m_mainWidget->activateWindow();
    m_mainWidget->show();
    setActivationWindow(m_mainWidget, true);

    QSettings user(DDataManager::getInstance()->userConfigDir() + QStringLiteral("/LumtarConfig.ini"),
                   QSettings::IniFormat);
    const bool autoStart = user.value(QStringLiteral("AutoStart/isAutoStart"), false).toBool();
    if (autoStart && isAutoUpCommandLine(QCoreApplication::arguments()))
        m_mainWidget->hide();

    showPendingCrashNotice();
}

void DAppllication::showPendingCrashNotice()
{
    const QString dumpDir =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/dump");
    if (!CrashHandler::takePendingNotice(dumpDir))
        return;
    // The previous run crashed: say so now, without blocking the start.
    auto *box = new QMessageBox(QMessageBox::Critical, QObject::tr("Software exit"),
                                QStringLiteral("<FONT size=3><div><b>%1</b></div>")
                                    .arg(QObject::tr("Conflict, software out of operation!")),
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("crashNotice"));
    box->open();
}

bool DAppllication::isSwallowedKeyPress(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool DAppllication::takesTypedLines(const QObject *receiver)
{
    if (const auto *edit = qobject_cast<const QTextEdit *>(receiver))
        return !edit->isReadOnly();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(receiver))
        return !edit->isReadOnly();
    return false;
}

bool DAppllication::isAutoUpCommandLine(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' ')).contains(QLatin1String("AutoUp"), Qt::CaseSensitive);
}

bool DAppllication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && m_mainWidget) {
        const QPoint global = static_cast<QMouseEvent *>(event)->globalPos();
        m_mainWidget->hitTestResizeEdge(global.x(), global.y());
    } else if (isSwallowedKeyPress(event)
               // A key reaches the window first, then its focus widget.
               && !takesTypedLines(receiver->isWindowType() ? focusWidget() : receiver)) {
        return false;
    }
    return QApplication::notify(receiver, event);
}
