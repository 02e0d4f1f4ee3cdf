// A language switch reaches the texts that code sets, not only the forms'
// texts: every page and dialog, with or without a keyboard, sets them again
// on the language change. A marking translator stands for a language, so
// the test needs no dictionary.
#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QTranslator>

#include <functional>
#include <memory>

#include "core/DDataManager.h"
#include "support/TempHome.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/settings/DSettingsDia.h"

namespace {

QString marked(const QString &source)
{
    return QStringLiteral("\u00bb") + source;
}

// Translates every text of every context by marking it.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return marked(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// Translates the listed texts of one context.
class TableTranslator : public QTranslator
{
public:
    TableTranslator(const char *context, QHash<QString, QString> table)
        : m_context(QString::fromLatin1(context))
        , m_table(std::move(table))
    {
    }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QString::fromLatin1(context) != m_context)
            return QString();
        return m_table.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

private:
    QString m_context;
    QHash<QString, QString> m_table;
};

using Factory = std::function<QWidget *()>;
// The text a language gives: the English or the marked one.
using Wording = std::function<QString(const QString &)>;
using Expected = std::function<QString(const Wording &)>;

const QString kSeniorTip = QStringLiteral(
    "Tip: After the advanced key configuration is completed, please move to \"%1\" complete binding operation.");

// The path of a page below "Key Custom", each name in the language.
QString pagePath(const Wording &w, const char *page)
{
    return w(QStringLiteral("Key Custom")) + QStringLiteral("->") + w(QString::fromLatin1(page));
}

} // namespace

Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(Expected)

class tst_LanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void codeTextsFollowTheLanguage_data();
    void codeTextsFollowTheLanguage();
    void macroTipIsOneSentence();
    void themeFoundByItsWholeName();

private:
    std::unique_ptr<TempHome> m_home;
};

void tst_LanguageSwitch::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(m_home->isValid());
    DDataManager::getInstance()->loadThemeConfig(0);
}

void tst_LanguageSwitch::codeTextsFollowTheLanguage_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("child");
    QTest::addColumn<Expected>("expected");

    const auto plain = [](const char *text) {
        return Expected([text](const Wording &w) { return w(QString::fromUtf8(text)); });
    };
    // The tip lines are one sentence with the page path as its argument.
    QTest::newRow("advanced-key editor tip")
        << Factory([] { return new DSeniorKeysPage; }) << "label_SmallTip"
        << Expected([](const Wording &w) { return w(kSeniorTip).arg(pagePath(w, "Senior Keys")); });
    QTest::newRow("advanced-key editor title")
        << Factory([] { return new DSeniorKeysPage; }) << "label_Title" << plain("Senior Keys");
    QTest::newRow("performance page")
        << Factory([] { return new DPerformancePage; }) << "label_6" << plain("GamePad:");
    QTest::newRow("trigger page")
        << Factory([] { return new DTriggerSettingPage; }) << "label_3" << plain("Press(Trigger)/Release(Reset)");
    QTest::newRow("lighting page")
        << Factory([] { return new DLightsConfigPage; }) << "label_24" << plain("Brightness:");
    QTest::newRow("key assignment page")
        << Factory([] { return new DCustomKeysPage; }) << "pushButton_Download" << plain("Download");
    QTest::newRow("profile menu")
        << Factory([] { return new DProfileMenuToolWidget; }) << "label_CreateNew" << plain("Create");
    QTest::newRow("macro menu")
        << Factory([] { return new macroMenuToolWidget; }) << "label_Export" << plain("Export");
    QTest::newRow("firmware row")
        << Factory([] { return new UpdateFirmwareInfoItem; }) << "label" << plain("Product name:");
    QTest::newRow("trigger-point popup")
        << Factory([] { return new DStrokeConfigView; }) << "label" << plain("Trigger points for DKS actions");
    QTest::newRow("all-keys picker")
        << Factory([] { return new DAllKeysShowPage; }) << "label_16" << plain("Normal Keys");
}

void tst_LanguageSwitch::codeTextsFollowTheLanguage()
{
    QFETCH(Factory, factory);
    QFETCH(QString, child);
    QFETCH(Expected, expected);

    const Wording english = [](const QString &text) { return text; };
    const Wording marking = [](const QString &text) { return marked(text); };

    QPointer<QWidget> widget = factory();
    auto *label = widget->findChild<QWidget *>(child);
    QVERIFY(label);
    const auto text = [label] { return label->property("text").toString(); };
    QCOMPARE(text(), expected(english));

    {
        MarkingTranslator language;
        QCoreApplication::installTranslator(&language);
        QTRY_COMPARE_WITH_TIMEOUT(text(), expected(marking), 20000);
        // Back to the built-in texts: nothing of the other language stays.
        QCoreApplication::removeTranslator(&language);
    }
    QTRY_COMPARE_WITH_TIMEOUT(text(), expected(english), 20000);
    delete widget.data();
}

void tst_LanguageSwitch::macroTipIsOneSentence()
{
    // The macro editor's tip: one sentence of the language, with the page
    // path, itself made of the pages' names, as its argument.
    MarkingTranslator language;
    QCoreApplication::installTranslator(&language);
    auto *editor = new DMacroPage;
    const QString path = marked(QStringLiteral("Key Custom")) + QStringLiteral("->") + marked(QStringLiteral("Macro"));
    QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("label_SmallTip"))->text(),
             marked(QStringLiteral("Tip: After the macro group recording is completed, please move to \"%1\" "
                                   "complete binding operation."))
                 .arg(path));
    QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("label_TotalTime"))->text(),
             marked(QStringLiteral("%1 MS")).arg(0));
    delete editor;
    QCoreApplication::removeTranslator(&language);
}

void tst_LanguageSwitch::themeFoundByItsWholeName()
{
    // A language whose name of one theme holds another's: choosing it applies
    // that theme, not the one whose name it holds.
    TableTranslator language("DSettingsDia", {{"Dark", "Dunkel"},
                                              {"Light", "Hell"},
                                              {"Blue", "Dunkelblau"},
                                              {"Pink", "Hellrosa"}});
    QCoreApplication::installTranslator(&language);
    auto *dialog = new DSettingsDia;
    QComboBox *themes = dialog->findChild<QComboBox *>(QStringLiteral("comboBox_Theme"));
    QVERIFY(themes);
    QSignalSpy changed(dialog, &DSettingsDia::sigChangAppTheme);
    themes->setCurrentText(QStringLiteral("Dunkelblau"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);
    themes->setCurrentText(QStringLiteral("Hellrosa"));
    QCOMPARE(changed.at(1).at(0).toInt(), 3);
    themes->setCurrentText(QStringLiteral("Hell"));
    QCOMPARE(changed.at(2).at(0).toInt(), 1);
    themes->setCurrentText(QStringLiteral("Dunkel"));
    QCOMPARE(changed.at(3).at(0).toInt(), 0);
    delete dialog;
    QCoreApplication::removeTranslator(&language);
    DDataManager::getInstance()->loadThemeConfig(0);
}

QTEST_MAIN(tst_LanguageSwitch)
#include "tst_languageswitch.moc"
