// The program quit, by SIGTERM (logout, kill) and by the tray's Quit, with
// each of its dialogs and popups open: it ends through its normal path, exit
// code 0, its keyboard closed, and leaves no crash report. The program runs
// as a child copy of this test, started the way the real program starts
// (crash handler, daily log, application object, termination signals), over
// a simulated keyboard, several runs at a time, each in a home of its own.
// The test tells it on its standard input when to open the popup and when to
// quit from the tray; it answers on its standard output whether the popup
// showed.
#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>
#include <vector>

#include "app/DAppllication.h"
#include "app/LogHandler.h"
#include "core/DDataManager.h"
#include "platform/CrashHandler.h"
#include "platform/SingleInstanceKey.h"
#include "platform/TerminationSignalNotifier.h"
#include "support/KeyAssignmentWindow.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/KeyboardRoster.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"

namespace {

const char kChildFlag[] = "--popup-child";
const char kInstanceKey[] = "tst_app_quitwithpopups";
// Time for what a step starts (deferred loads of 200 ms, popups) to settle.
const int kStepMs = 700;
// A step whose widget is not there yet (the device page still filling) is
// tried again, this often.
const int kStepAttempts = 50;
const int kRetryMs = 200;
const int kIdleWaitMs = 60000;
const int kKeyA = 4;

// One user action in the child: a main-window slot, a click, a double click,
// the pointer entering a widget, a link of a label, or the key-assignment
// page's key capture (the popup named by the step). A widget is named by its
// object name and, where the name is not unique, by the class of a widget it
// lies in.
struct Step
{
    const char *action;
    const char *owner;
    const char *name;
};

struct Popup
{
    const char *name;
    QList<Step> steps;
    // The class of the window (or of a widget in it) that must show.
    const char *shows;
};

const QList<Popup> &popups()
{
    static const QList<Popup> list = {
        {"macro editor", {{"slot", "", "onShowMacroPage"}}, "DMacroPage"},
        {"macro row menu",
         {{"slot", "", "onShowMacroPage"},
          {"click", "DMacroPage", "pushButton_Add"},
          {"click", "DMacroListItem", "pushButton_MacroOperate"}},
         "macroMenuToolWidget"},
        {"macro export folder dialog",
         {{"slot", "", "onShowMacroPage"},
          {"click", "DMacroPage", "pushButton_Add"},
          {"click", "DMacroListItem", "pushButton_MacroOperate"},
          {"click", "macroMenuToolWidget", "label_Export"}},
         "QFileDialog"},
        {"macro import file dialog",
         {{"slot", "", "onShowMacroPage"}, {"click", "DMacroPage", "pushButton_Import"}},
         "QFileDialog"},
        {"advanced-key editor and its all-keys picker",
         {{"slot", "", "onShowSeniorKeysPage"}, {"click", "DSeniorKeysPage", "pushButton_NewCreate"}},
         "DAllKeysShowPage"},
        {"trigger-point popup",
         {{"slot", "", "onShowSeniorKeysPage"},
          {"click", "DSeniorKeysPage", "pushButton_NewCreate"},
          {"link", "DSeniorKeysPage", "label_Stroke01"}},
         "DStrokeConfigView"},
        {"advanced-key help popup",
         {{"slot", "", "onShowSeniorKeysPage"}, {"enter", "DSeniorKeysPage", "toolButton_ExplainInfo"}},
         "DSeniorKeysRecordExplainDia"},
        {"settings dialog", {{"slot", "", "on_pushButton_Setting_clicked"}}, "DSettingsDia"},
        {"firmware information dialog",
         {{"slot", "", "on_pushButton_Setting_clicked"}, {"double click", "DSettingsDia", "frame_LogoSet"}},
         "DFirwareInfoShow"},
        {"firmware update window", {{"slot", "", "onFirmwareUpgradeCheck"}}, "DUpdateFirmwareDia"},
        {"profile menu popup", {{"click", "DDevicePage", "pushButton_ProfileOperate"}}, "DProfileMenuToolWidget"},
        {"key-capture popup", {{"key capture", "", "DVirtualKeyboardTool"}}, "DVirtualKeyboardTool"},
        {"trigger help popup", {{"enter", "DTriggerSettingPage", "toolButton_Explain"}}, "ArrowWidget"},
        {"light kind tip", {{"enter", "DLightsConfigPage", "toolButton_LightSelectTypeChanged"}}, "DToolTipExplain"},
        {"crash notice of the last run", {}, "QMessageBox"},
    };
    return list;
}

const Popup *popupNamed(const QString &name)
{
    for (const Popup &p : popups())
        if (name == QLatin1String(p.name))
            return &p;
    return nullptr;
}

bool liesIn(const QWidget *widget, const char *ownerClass)
{
    if (!*ownerClass)
        return true;
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget())
        if (w->inherits(ownerClass))
            return true;
    return false;
}

QWidget *findWidget(const char *owner, const char *name)
{
    QWidget *found = nullptr;
    for (QWidget *w : QApplication::allWidgets()) {
        if (w->objectName() != QLatin1String(name) || !liesIn(w, owner))
            continue;
        if (w->isVisible())
            return w;
        found = w;
    }
    return found;
}

DMainWidget *mainWindow()
{
    DAppllication *app = DAppllication::instance();
    return app ? app->mainWidget() : nullptr;
}

bool popupShows(const char *className)
{
    for (QWidget *w : QApplication::allWidgets())
        if (w->inherits(className) && w->isVisible())
            return true;
    return false;
}

bool runStep(const Step &step)
{
    const QString action = QLatin1String(step.action);
    if (action == QLatin1String("slot"))
        return mainWindow() && QMetaObject::invokeMethod(mainWindow(), step.name);
    DDevicePage *page = mainWindow() ? mainWindow()->devicePage() : nullptr;
    auto *keysPage = page ? page->findChild<DCustomKeysPage *>() : nullptr;
    if (action == QLatin1String("key capture")) {
        // The key's Remap page, then a click into its key field; tried again
        // until the capture popup shows (the page may still be filling).
        if (!keysPage || !KeyAssignmentWindow::viewKey(kKeyA))
            return false;
        KeyAssignmentWindow::viewKey(kKeyA)->click();
        keysPage->functionButton(CustomKeysPageTable::RemapKeyPage)->click();
        QWidget *shown = keysPage->shownFunctionPage();
        auto *field = shown ? shown->findChild<QLineEdit *>() : nullptr;
        if (!field)
            return false;
        QTest::mouseClick(field, Qt::LeftButton);
        return popupShows(step.name);
    }
    QWidget *widget = findWidget(step.owner, step.name);
    if (!widget)
        return false;
    if (action == QLatin1String("click")) {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->click();
        else
            QTest::mouseClick(widget, Qt::LeftButton);
    } else if (action == QLatin1String("double click")) {
        QTest::mouseDClick(widget, Qt::LeftButton);
    } else if (action == QLatin1String("enter")) {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(widget, &enter);
    } else if (action == QLatin1String("link")) {
        auto *label = qobject_cast<QLabel *>(widget);
        if (!label)
            return false;
        emit label->linkActivated(QStringLiteral("Company|1.5mm|"));
    } else {
        return false;
    }
    return true;
}

void answer(const QByteArray &line)
{
    const QByteArray text = line + '\n';
    if (::write(STDOUT_FILENO, text.constData(), size_t(text.size())) < 0)
        std::perror("answer");
}

// The child's part: reads the test's commands ("open", "quit") from its
// standard input and carries them out in the running program.
class ChildDriver : public QObject
{
public:
    explicit ChildDriver(const Popup &popup)
        : m_popup(popup)
        , m_input(STDIN_FILENO, QSocketNotifier::Read)
    {
        connect(&m_input, &QSocketNotifier::activated, this, &ChildDriver::readCommand);
    }

private:
    void readCommand()
    {
        char buffer[64];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            m_input.setEnabled(false);
            return;
        }
        m_pending += QByteArray(buffer, int(n));
        while (m_pending.contains('\n')) {
            const int end = m_pending.indexOf('\n');
            const QByteArray command = m_pending.left(end).trimmed();
            m_pending.remove(0, end + 1);
            if (command == "open")
                waitForIdlePage();
            else if (command == "quit")
                quitFromTray();
        }
    }

    // The popup opens once the device page has finished opening the keyboard:
    // what that work shows last must not close it.
    void waitForIdlePage(int waitedMs = 0)
    {
        DDevicePage *page = mainWindow() ? mainWindow()->devicePage() : nullptr;
        const bool idle = page && page->roster()->isIdle() && !page->isDeviceWorkRunning();
        if (!idle && waitedMs < kIdleWaitMs) {
            QTimer::singleShot(kRetryMs, this, [this, waitedMs] { waitForIdlePage(waitedMs + kRetryMs); });
            return;
        }
        QTimer::singleShot(kStepMs, this, [this] { nextStep(0); });
    }

    void nextStep(int index, int attempt = 1)
    {
        if (index < m_popup.steps.size()) {
            if (!runStep(m_popup.steps.at(index))) {
                if (attempt < kStepAttempts)
                    QTimer::singleShot(kRetryMs, this, [this, index, attempt] { nextStep(index, attempt + 1); });
                else
                    answer(QByteArray("missing step ") + QByteArray::number(index));
                return;
            }
            QTimer::singleShot(kStepMs, this, [this, index] { nextStep(index + 1); });
            return;
        }
        answer(popupShows(m_popup.shows) ? QByteArray("opened") : QByteArray("not shown"));
    }

    void quitFromTray()
    {
        for (QAction *action : mainWindow()->findChildren<QAction *>()) {
            if (action->text().startsWith(QLatin1String("Quit"))) {
                action->trigger();
                return;
            }
        }
        answer("no Quit action");
    }

    const Popup &m_popup;
    QSocketNotifier m_input;
    QByteArray m_pending;
};

// As the program's own start: the crash handler, the single-instance key,
// the daily log, the application object and the termination signals.
int runChild(char *program, const QString &popupName)
{
    const Popup *popup = popupNamed(popupName);
    if (!popup)
        return 3;
    const QString baseName = QFileInfo(QString::fromLocal8Bit(program)).baseName();
    const QString appDataDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + baseName;
    CrashHandler::install(appDataDir + QStringLiteral("/dump"));
    SingleInstanceKey instanceKey(QString::fromLatin1(kInstanceKey));
    if (!instanceKey.acquire())
        return 4;
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    cleanLogDir(baseName);
    qInstallMessageHandler(logMessageHandler);

    int argc = 1;
    char *argv[] = {program, nullptr};
    DAppllication app(QString::fromLatin1(kInstanceKey), argc, argv, false);
    TerminationSignalNotifier termination;
    QObject::connect(&termination, &TerminationSignalNotifier::sigTerminationRequested, &app,
                     &DAppllication::onTerminationRequested);
    ChildDriver driver(*popup);
    return app.exec();
}

// The test's part: one run of the program per popup and way of quitting.
// The runs go some at a time, each its own process with its own home.
class ProgramRun
{
public:
    struct Outcome
    {
        QString failure; // why the run did not get as far as quitting
        QByteArray answer;
        bool finished = false;
        QProcess::ExitStatus status = QProcess::CrashExit;
        int exitCode = -1;
        QByteArray log;
        int quitFrom = -1; // where the log stood when the quit was asked for
        QStringList reports;
    };

    ProgramRun(const QString &popup, bool byTray)
        : m_popup(popup)
        , m_byTray(byTray)
    {
    }

    bool isDone() const { return m_done; }
    const Outcome &outcome() const { return m_outcome; }

    void start()
    {
        const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
        const QString data = m_home.path() + QStringLiteral("/data");
        m_appDir = data + QLatin1Char('/') + baseName;
        const QString runtime = m_home.path() + QStringLiteral("/run");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        {
            // Not a first start of this version: no firmware offer of its own.
            const QSettings defaults(QStringLiteral(":/images/configDir/LumtarDefaultConfig.ini"),
                                     QSettings::IniFormat);
            QSettings user(m_appDir + QStringLiteral("/UserConfig/LumtarConfig.ini"), QSettings::IniFormat);
            user.setValue(QStringLiteral("oldVersion/VersionInfo"), defaults.value(QStringLiteral("AppVersion/Version")));
        }
        if (m_popup == QLatin1String("crash notice of the last run")) {
            // What a crash of the last run left behind.
            QDir().mkpath(dumpDir());
            QFile marker(dumpDir() + QStringLiteral("/pending-notice"));
            marker.open(QIODevice::WriteOnly);
        }

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("LUMTAR_SIMULATED_DEVICES"), QStringLiteral("LT108HE"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(env);
        m_process.setReadChannel(QProcess::StandardOutput);
        // The program's messages go to its log; the sanitizers' to ours.
        QObject::connect(&m_process, &QProcess::readyReadStandardError, &m_process,
                         [this] { std::fputs(m_process.readAllStandardError().constData(), stderr); });
        QObject::connect(&m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &m_process,
                         [this](int code, QProcess::ExitStatus status) { finish(code, status); });
        QObject::connect(&m_poll, &QTimer::timeout, &m_process, [this] { advance(); });
        m_clock.start();
        m_process.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChildFlag), m_popup});
        m_poll.start(100);
    }

private:
    enum class Stage { DeviceOpening, PopupOpening, Quitting };

    QString dumpDir() const { return m_appDir + QStringLiteral("/dump"); }

    QByteArray logText() const
    {
        QFile log(m_appDir + QStringLiteral("/logDir/") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
                  + QStringLiteral(".log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    void abandon(const QString &why)
    {
        if (m_outcome.failure.isEmpty())
            m_outcome.failure = why;
        m_process.kill();
    }

    void advance()
    {
        if (m_clock.elapsed() > kRunLimitMs) {
            abandon(QStringLiteral("no end within %1 s").arg(kRunLimitMs / 1000));
            return;
        }
        switch (m_stage) {
        case Stage::DeviceOpening:
            if (logText().contains("Open device success; HidName: LT108HE")) {
                m_process.write("open\n");
                m_stage = Stage::PopupOpening;
            }
            break;
        case Stage::PopupOpening:
            if (!m_process.canReadLine())
                break;
            m_outcome.answer = m_process.readLine().trimmed();
            if (m_outcome.answer != "opened") {
                abandon(QStringLiteral("the popup did not open"));
                break;
            }
            m_outcome.quitFrom = logText().size();
            m_stage = Stage::Quitting;
            if (m_byTray)
                m_process.write("quit\n");
            else
                ::kill(pid_t(m_process.processId()), SIGTERM);
            break;
        case Stage::Quitting:
            break;
        }
    }

    void finish(int code, QProcess::ExitStatus status)
    {
        m_poll.stop();
        if (m_stage != Stage::Quitting && m_outcome.failure.isEmpty())
            m_outcome.failure = QStringLiteral("the program ended before it was asked to (exit code %1%2)")
                                    .arg(code)
                                    .arg(status == QProcess::CrashExit ? QStringLiteral(", crashed") : QString());
        m_outcome.finished = true;
        m_outcome.status = status;
        m_outcome.exitCode = code;
        m_outcome.log = logText();
        m_outcome.reports = QDir(dumpDir()).entryList({QStringLiteral("*.dmp")}, QDir::Files);
        m_done = true;
    }

    static constexpr int kRunLimitMs = 240000;

    QString m_popup;
    bool m_byTray;
    QTemporaryDir m_home;
    QString m_appDir;
    QProcess m_process;
    QTimer m_poll;
    QElapsedTimer m_clock;
    Stage m_stage = Stage::DeviceOpening;
    Outcome m_outcome;
    bool m_done = false;
};

QString runName(const QString &popup, bool byTray)
{
    return popup + (byTray ? QStringLiteral(", tray Quit") : QStringLiteral(", SIGTERM"));
}

} // namespace

class tst_QuitWithPopups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void quitWithPopupOpen_data();
    void quitWithPopupOpen();

private:
    std::map<QString, std::unique_ptr<ProgramRun>> m_runs;
};

// Every run first, some at a time; the rows then read their outcome.
void tst_QuitWithPopups::initTestCase()
{
    std::vector<ProgramRun *> waiting;
    for (const Popup &p : popups()) {
        for (bool byTray : {false, true}) {
            auto run = std::make_unique<ProgramRun>(QString::fromLatin1(p.name), byTray);
            waiting.push_back(run.get());
            m_runs[runName(QString::fromLatin1(p.name), byTray)] = std::move(run);
        }
    }
    const int atOnce = qBound(2, QThread::idealThreadCount() / 2, 4);
    size_t next = 0;
    const auto running = [&] {
        int n = 0;
        for (size_t i = 0; i < next; ++i)
            n += waiting[i]->isDone() ? 0 : 1;
        return n;
    };
    QElapsedTimer clock;
    clock.start();
    while (next < waiting.size() || running() > 0) {
        while (next < waiting.size() && running() < atOnce)
            waiting[next++]->start();
        QTest::qWait(100);
        QVERIFY(clock.elapsed() < 30 * 60 * 1000);
    }
}

void tst_QuitWithPopups::quitWithPopupOpen_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<bool>("byTray");
    for (const Popup &p : popups()) {
        for (bool byTray : {false, true}) {
            const QString name = runName(QString::fromLatin1(p.name), byTray);
            QTest::newRow(qPrintable(name)) << name << byTray;
        }
    }
}

void tst_QuitWithPopups::quitWithPopupOpen()
{
    QFETCH(QString, run);
    QFETCH(bool, byTray);
    const ProgramRun::Outcome &outcome = m_runs.at(run)->outcome();
    QVERIFY2(outcome.failure.isEmpty(), qPrintable(outcome.failure + QStringLiteral(" (") + outcome.answer + ')'));
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.status, QProcess::NormalExit);
    QCOMPARE(outcome.exitCode, 0);
    const QByteArray &text = outcome.log;
    int ended = outcome.quitFrom;
    if (!byTray) {
        ended = text.indexOf("Ended by SIGTERM", outcome.quitFrom);
        QVERIFY(ended >= outcome.quitFrom);
    }
    QVERIFY(text.indexOf("*** App Exit (Normal) ***", ended) >= ended);
    // The keyboard was closed and its thread joined.
    QVERIFY(text.indexOf("MainHidInterFace::~MainHidInterFace()", outcome.quitFrom) >= outcome.quitFrom);
    QVERIFY2(outcome.reports.isEmpty(), qPrintable(outcome.reports.join(QLatin1Char(' '))));
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], kChildFlag) == 0)
        return runChild(argv[0], QString::fromLocal8Bit(argv[2]));
    // The runs take minutes together, longer than a test function may.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "1800000");
    QCoreApplication app(argc, argv);
    tst_QuitWithPopups test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quitwithpopups.moc"
