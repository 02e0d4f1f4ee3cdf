// The application object as the running program has it: the keys it drops
// for every widget, the start-hidden rule, and the start-up it leaves behind.
#include <QtTest>

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

#include "app/DAppllication.h"
#include "core/DDataManager.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"

namespace {

QString crashMarkerPath()
{
    return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/tst_app_application/dump/pending-notice");
}

} // namespace

class tst_Application : public QObject
{
    Q_OBJECT

private slots:
    void keyFilter_data();
    void keyFilter();
    void textBoxTakesSpaceAndEnter();
    void autoUpCommandLine_data();
    void autoUpCommandLine();
    void startUpLeavesMainWindowAndSettings();
    void crashOfLastRunIsReported();
};

void tst_Application::keyFilter_data()
{
    QTest::addColumn<int>("eventType");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("Space press") << int(QEvent::KeyPress) << int(Qt::Key_Space) << false;
    QTest::newRow("Return press") << int(QEvent::KeyPress) << int(Qt::Key_Return) << false;
    QTest::newRow("Enter press") << int(QEvent::KeyPress) << int(Qt::Key_Enter) << false;
    QTest::newRow("Space release") << int(QEvent::KeyRelease) << int(Qt::Key_Space) << true;
    QTest::newRow("A press") << int(QEvent::KeyPress) << int(Qt::Key_A) << true;
    QTest::newRow("Tab press") << int(QEvent::KeyPress) << int(Qt::Key_Tab) << true;
}

void tst_Application::keyFilter()
{
    QFETCH(int, eventType);
    QFETCH(int, key);
    QFETCH(bool, delivered);

    QKeyEvent event(QEvent::Type(eventType), key, Qt::NoModifier, key == Qt::Key_A ? QStringLiteral("a") : QString());
    QCOMPARE(DAppllication::isSwallowedKeyPress(&event), !delivered);

    // Through the application: a line edit sees only what is delivered, and
    // a focused button is never pressed by Space or Enter.
    QLineEdit edit;
    QSignalSpy edited(&edit, &QLineEdit::textEdited);
    QCoreApplication::sendEvent(&edit, &event);
    QCOMPARE(!edited.isEmpty(), delivered && key == Qt::Key_A);

    QPushButton button;
    button.show();
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::keyClick(&button, Qt::Key(key));
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        QCOMPARE(clicked.count(), 0);
}

void tst_Application::textBoxTakesSpaceAndEnter()
{
    QTextEdit box;
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("a"));
    QTest::keyClick(&box, Qt::Key_Space);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, QStringLiteral("b"));
    QCOMPARE(box.toPlainText(), QStringLiteral("a \nb"));
    // As the window system delivers it: to the window, then to the box.
    QTest::keyClick(box.windowHandle(), Qt::Key_Space);
    QCOMPARE(box.toPlainText(), QStringLiteral("a \nb "));

    // Read-only, or a one-line field: dropped as everywhere.
    box.setReadOnly(true);
    QVERIFY(!DAppllication::takesTypedLines(&box));
    QPlainTextEdit plain;
    QVERIFY(DAppllication::takesTypedLines(&plain));
    QLineEdit line;
    QVERIFY(!DAppllication::takesTypedLines(&line));
    QTest::keyClick(&line, Qt::Key_Space);
    QVERIFY(line.text().isEmpty());
}

void tst_Application::autoUpCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("plain start") << QStringList{"/usr/bin/lumtar"} << false;
    QTest::newRow("--AutoUp") << QStringList{"/usr/bin/lumtar", "--AutoUp"} << true;
    QTest::newRow("AutoUp inside a word") << QStringList{"/usr/bin/lumtar", "xAutoUpx"} << true;
    QTest::newRow("lower case") << QStringList{"/usr/bin/lumtar", "--autoup"} << false;
}

void tst_Application::autoUpCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, hidden);
    QCOMPARE(DAppllication::isAutoUpCommandLine(arguments), hidden);
}

void tst_Application::startUpLeavesMainWindowAndSettings()
{
    DAppllication *app = DAppllication::instance();
    QVERIFY(app);
    QVERIFY(!app->isConnectedToRunningInstance());
    QVERIFY(app->mainWidget());
    QVERIFY(app->mainWidget()->isVisible());
    QCOMPARE(app->activationWindow(), static_cast<QWidget *>(app->mainWidget()));

    QSettings user(DDataManager::getInstance()->userConfigDir() + QStringLiteral("/LumtarConfig.ini"),
                   QSettings::IniFormat);
    QVERIFY(user.contains(QStringLiteral("Language/selectLanguageIndex")));
    QCOMPARE(user.value(QStringLiteral("Theme/selectThemeIndex")).toInt(), 0);
}

void tst_Application::crashOfLastRunIsReported()
{
    QMessageBox *notice = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("crashNotice"))
            notice = qobject_cast<QMessageBox *>(widget);
    }
    QVERIFY(notice);
    QCOMPARE(notice->windowTitle(), QStringLiteral("Software exit"));
    QVERIFY(notice->text().contains(QLatin1String("Conflict, software out of operation!")));
    QVERIFY(!QFile::exists(crashMarkerPath()));
}

int main(int argc, char **argv)
{
    TempHome home;
    // The last run crashed: its handler left the marker beside the reports.
    QDir().mkpath(QFileInfo(crashMarkerPath()).path());
    QFile marker(crashMarkerPath());
    marker.open(QIODevice::WriteOnly);
    marker.close();

    DAppllication app(QStringLiteral("Z770-Q28V2.0_1.2.0.1"), argc, argv, false);
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
