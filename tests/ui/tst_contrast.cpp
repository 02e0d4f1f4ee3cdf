// Every text a user reads, in every shipped theme: the main window over a
// simulated keyboard at 1366 x 768, each feature page, the key-assignment
// pages, the custom-scheme list, the hover card of a key, the profile menu,
// every dialog, and every drop-down list of each of them opened. Each text
// and what is painted behind it must differ by a contrast ratio of at least
// 4.5:1, measured on the rendered windows.
#include <QtTest>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QToolButton>

#include <functional>

#include "core/DDataManager.h"
#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "support/TextContrast.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"
#include "widgets/DropDownLook.h"

namespace {

const double kLeast = 4.5;
const int kKeyA = 4;
const int kListed = 30;

const char *const kThemes[] = {"Black", "Light", "Blue", "Pink", "Other"};

void settle(int ms = 150)
{
    QTest::qWait(ms);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

QString line(const TextContrast::Text &t)
{
    return QStringLiteral("%1 \"%2\": %3 on %4 = %5:1")
        .arg(t.where, t.text.left(40), t.ink.name(), t.ground.name())
        .arg(t.ratio, 0, 'f', 2);
}

// The texts below the least ratio, each once.
QStringList unreadable(const QVector<TextContrast::Text> &texts, const QString &view)
{
    QStringList lines;
    for (const TextContrast::Text &t : texts) {
        if (t.ratio < kLeast)
            lines << view + QStringLiteral(": ") + line(t);
    }
    lines.removeDuplicates();
    return lines;
}

template <typename Dialog>
Dialog *shownDialog(QWidget *window)
{
    for (Dialog *d : window->findChildren<Dialog *>()) {
        if (d->isVisible())
            return d;
    }
    return nullptr;
}

} // namespace

class tst_Contrast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void measuresWhatIsPainted();
    void everyViewInEveryTheme_data();
    void everyViewInEveryTheme();

private:
    DMainWidget *window() const { return qobject_cast<DMainWidget *>(m_window.page()->window()); }
    DDevicePage *page() const { return m_window.page(); }
    void showMainPage(const char *button);
    // What the visible windows show (or only `dialog`, when one is open
    // over the dimmed main window), then each visible drop-down list of
    // them opened in turn.
    QStringList measureWithLists(const QString &view, QWidget *dialog = nullptr);

    SimMainWindow m_window;
    int m_theme = -1;
};

void tst_Contrast::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
    QVERIFY(m_window.start("LT108HE"));
    window()->resize(1366, 768);
    window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    // A fresh home offers the keyboard's firmware a while after the start;
    // the firmware window has a row of its own.
    m_window.dismissFirmwareOffer();
    settle();
}

void tst_Contrast::cleanupTestCase()
{
    m_window.close();
}

// The measure on small fixtures of known colours: a label's text on its
// frame, a list whose rows take the system's white under a light text (the
// profile box's fault), and the same list in the theme's colours.
void tst_Contrast::measuresWhatIsPainted()
{
    QWidget fixture;
    fixture.resize(400, 300);
    QPalette dark = fixture.palette();
    dark.setColor(QPalette::Window, QColor(34, 34, 58));
    fixture.setPalette(dark);
    fixture.setAutoFillBackground(true);
    auto *readable = new QLabel(QStringLiteral("Readable"), &fixture);
    readable->setObjectName(QStringLiteral("fixtureReadable"));
    readable->setStyleSheet(QStringLiteral("color: rgb(205,205,205);"));
    readable->setGeometry(10, 10, 150, 30);
    auto *faint = new QLabel(QStringLiteral("Faint"), &fixture);
    faint->setObjectName(QStringLiteral("fixtureFaint"));
    faint->setStyleSheet(QStringLiteral("color: rgb(60,60,90);"));
    faint->setGeometry(10, 50, 150, 30);
    auto *combo = new QComboBox(&fixture);
    combo->setObjectName(QStringLiteral("fixtureCombo"));
    combo->addItems({QStringLiteral("Profile 1"), QStringLiteral("Profile 2"), QStringLiteral("Profile 3")});
    // The text colour reaches the list, its background does not.
    combo->setStyleSheet(QStringLiteral("QComboBox{background-color: rgb(26,27,49); color: rgb(205,205,205);}"));
    combo->setGeometry(10, 100, 200, 30);
    fixture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture));

    const auto ratioOf = [](const QVector<TextContrast::Text> &texts, const QString &text) {
        for (const TextContrast::Text &t : texts) {
            if (t.text == text)
                return t.ratio;
        }
        return -1.0;
    };
    const QVector<TextContrast::Text> page = TextContrast::measure(&fixture);
    QVERIFY(ratioOf(page, QStringLiteral("Readable")) > 7);
    const double faintRatio = ratioOf(page, QStringLiteral("Faint"));
    QVERIFY2(faintRatio > 0 && faintRatio < 2, qPrintable(QString::number(faintRatio)));

    combo->showPopup();
    settle();
    QWidget *list = combo->view()->window();
    QVERIFY(list->isVisible());
    const double plain = ratioOf(TextContrast::measure(list), QStringLiteral("Profile 2"));
    QVERIFY2(plain > 0 && plain < kLeast, qPrintable(QString::number(plain)));
    combo->hidePopup();
    settle();

    ThemeColor theme;
    theme.DeviceRightBgColor = QStringLiteral("26,27,49");
    theme.TextDefaultColor = QStringLiteral("205,205,205");
    theme.DeviceBorderColor = QStringLiteral("52,52,86");
    theme.MacroListItemSelectedColor = QStringLiteral("42,42,65");
    theme.TextCheckedColor = QStringLiteral("56,149,245");
    DropDownLook::apply(combo, DropDownLook::devicePage(theme), QString());
    combo->showPopup();
    settle();
    const double themed = ratioOf(TextContrast::measure(combo->view()->window()), QStringLiteral("Profile 2"));
    QVERIFY2(themed >= kLeast, qPrintable(QString::number(themed)));
    combo->hidePopup();
}

void tst_Contrast::showMainPage(const char *button)
{
    if (auto *b = page()->findChild<QAbstractButton *>(QLatin1String(button))) {
        b->click();
        settle();
    }
}

QStringList tst_Contrast::measureWithLists(const QString &view, QWidget *dialog)
{
    QStringList lines = unreadable(dialog ? TextContrast::measure(dialog) : TextContrast::measure(), view);
    QList<QComboBox *> combos;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || (dialog && top != dialog))
            continue;
        for (QComboBox *combo : top->findChildren<QComboBox *>()) {
            if (combo->isVisible() && combo->isEnabled() && combo->count() > 0)
                combos << combo;
        }
    }
    for (QComboBox *combo : qAsConst(combos)) {
        combo->showPopup();
        settle();
        QWidget *list = combo->view()->window();
        // The row under the pointer is shown picked: measure one unpicked row too.
        lines += unreadable(TextContrast::measure(list),
                            view + QStringLiteral(", list of ") + combo->objectName());
        combo->hidePopup();
        settle(60);
    }
    return lines;
}

void tst_Contrast::everyViewInEveryTheme_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("view");
    const QStringList views = {QStringLiteral("key assignment"), QStringLiteral("key pages"),
                               QStringLiteral("key hover card"), QStringLiteral("lighting"),
                               QStringLiteral("custom schemes"), QStringLiteral("trigger"),
                               QStringLiteral("performance"), QStringLiteral("profile menu"),
                               QStringLiteral("settings"), QStringLiteral("macro editor"),
                               QStringLiteral("advanced-key editor"), QStringLiteral("firmware window")};
    for (int theme = 0; theme < 5; ++theme) {
        for (const QString &view : views)
            QTest::addRow("%s, %s", kThemes[theme], qPrintable(view)) << theme << view;
    }
}

void tst_Contrast::everyViewInEveryTheme()
{
    QFETCH(int, theme);
    QFETCH(QString, view);
    DDataManager *data = DDataManager::getInstance();
    if (m_theme != theme) {
        m_theme = theme;
        data->loadThemeConfig(theme);
        window()->onChangAppTheme(theme);
        settle();
    }

    QStringList lines;
    if (view == QLatin1String("key assignment")) {
        showMainPage("toolButton_CustomKey");
        lines = measureWithLists(view);
    } else if (view == QLatin1String("key pages") || view == QLatin1String("key hover card")) {
        showMainPage("toolButton_CustomKey");
        keyboardButCustom *key = data->keyButtonMap().value(kKeyA, nullptr);
        QVERIFY(key);
        key->click();
        settle();
        if (view == QLatin1String("key hover card")) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(key, &enter);
            settle();
            lines = measureWithLists(view);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(key, &leave);
        } else {
            auto *host = page()->findChild<DCustomKeysPage *>();
            QVERIFY(host);
            const QList<QToolButton *> buttons =
                host->findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^toolButton_")));
            for (QToolButton *button : buttons) {
                if (!button->isVisible() || !button->isEnabled() || !button->isCheckable())
                    continue;
                button->click();
                settle();
                lines += measureWithLists(view + QLatin1Char(' ') + button->objectName());
            }
        }
    } else if (view == QLatin1String("lighting") || view == QLatin1String("custom schemes")) {
        showMainPage("toolButton_LightConfig");
        if (view == QLatin1String("custom schemes")) {
            auto *custom = page()->findChild<QAbstractButton *>(QStringLiteral("toolButton_CustomLed"));
            QVERIFY(custom);
            custom->click();
            settle(300);
        }
        lines = measureWithLists(view);
    } else if (view == QLatin1String("trigger")) {
        showMainPage("toolButton_TriggerSetting");
        lines = measureWithLists(view);
    } else if (view == QLatin1String("performance")) {
        showMainPage("toolButton_Performance");
        lines = measureWithLists(view);
    } else if (view == QLatin1String("profile menu")) {
        showMainPage("toolButton_CustomKey");
        auto *operate = page()->findChild<QAbstractButton *>(QStringLiteral("pushButton_ProfileOperate"));
        QVERIFY(operate);
        operate->click();
        settle();
        lines = measureWithLists(view);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != window() && top->isVisible())
                top->hide();
        }
        settle();
    } else {
        QWidget *dialog = nullptr;
        if (view == QLatin1String("settings")) {
            window()->findChild<QAbstractButton *>(QStringLiteral("pushButton_Setting"))->click();
            dialog = shownDialog<DSettingsDia>(window());
        } else if (view == QLatin1String("macro editor")) {
            page()->findChild<QAbstractButton *>(QStringLiteral("toolButton_MacroDialog"))->click();
            dialog = shownDialog<DMacroPage>(window());
        } else if (view == QLatin1String("advanced-key editor")) {
            page()->findChild<QAbstractButton *>(QStringLiteral("toolButton_SeniorKey"))->click();
            dialog = shownDialog<DSeniorKeysPage>(window());
        } else if (view == QLatin1String("firmware window")) {
            window()->onUpdateFirmwareWindowOpen();
            dialog = shownDialog<DUpdateFirmwareDia>(window());
        }
        QVERIFY2(dialog, "the dialog did not open");
        settle(300);
        lines = measureWithLists(view, dialog->window());
        if (view == QLatin1String("settings")) {
            if (auto *about = dialog->findChild<QAbstractButton *>(QStringLiteral("pushButton_About"))) {
                about->click();
                settle();
                lines += measureWithLists(view + QStringLiteral(": about"), dialog->window());
            }
        }
        delete dialog;
        settle();
    }

    lines.removeDuplicates();
    for (const QString &l : qAsConst(lines))
        qInfo().noquote() << "below 4.5:1:" << l;
    if (lines.size() > kListed)
        lines = lines.mid(0, kListed) << QStringLiteral("... and more (see the log above)");
    QVERIFY2(lines.isEmpty(), qPrintable(QLatin1Char('\n') + lines.join(QLatin1Char('\n'))));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_Contrast test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_contrast.moc"
