// The application object: single instance, start-up settings, language, the
// invisible start widget and the main window; filters a few events for the
// whole application.
#ifndef DAPPLLICATION_H
#define DAPPLLICATION_H

#include <QApplication>
#include <QPointer>
#include <QWidget>

class DLoginWidget;
class DMainWidget;
class QtLinguist;
class QLocalServer;
class QLocalSocket;

class DAppllication : public QApplication
{
    Q_OBJECT

public:
    DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning);
    ~DAppllication() override;

    static DAppllication *instance();

    bool setLanguage(int language);
    QtLinguist *linguist();
    bool isConnectedToRunningInstance() const { return m_connected; }
    // True for a copy that found the key taken but reached no running copy:
    // it has no window and must end.
    bool isOrphanCopy() const { return m_orphan; }
    DMainWidget *mainWidget() const { return m_mainWidget; }

    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const { return m_activationWindow; }

    bool notify(QObject *receiver, QEvent *event) override;

    // The key presses the application drops before any widget sees them,
    // unless the receiver takes typed lines.
    static bool isSwallowedKeyPress(const QEvent *event);
    // An editable multi-line text box (the Text key-function page) takes
    // Space and Enter as text and keeps them: no button or dialog sees them.
    static bool takesTypedLines(const QObject *receiver);
    // Whether a command line asks to start hidden in the tray.
    static bool isAutoUpCommandLine(const QStringList &arguments);

    // "<runtime folder>/<executable file name>": the hand-over socket.
    static QString localServerName();
    // How long the running copy waits for a later copy's hand-over before
    // it raises its window all the same; the GUI thread goes on meanwhile.
    static constexpr int HandOverWaitMs = 1000;

public slots:
    // A termination signal arrived: quit as the tray's Quit does (devices
    // closed, their threads joined), with the normal exit logged.
    void onTerminationRequested(int signalNumber);

private slots:
    void onLoginFinished(bool ok);
    void newLocalConnection();

private:
    void initAppSettings();
    void initSingleInstance(bool alreadyRunning);
    void connectToRunningInstance(bool alreadyRunning);
    void startLocalServer();
    void awaitHandOver(QLocalSocket *socket);
    void raiseActivationWindow();
    void createLoginWidget();
    void showPendingCrashNotice();

    DLoginWidget *m_loginWidget = nullptr;
    DMainWidget *m_mainWidget = nullptr;
    QtLinguist *m_linguist = nullptr;
    bool m_connected = false;
    bool m_orphan = false;
    QLocalServer *m_localServer = nullptr;
    QString m_serverName;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = true;
};

#endif
