// The all-keys picker: the buttons and key names it builds from the shipped
// key list, the captions of the keys the list writes escaped, what a click
// hands out, and key lists that are broken or repeat a code.
#include <QtTest>

#include <QLabel>
#include <QSignalSpy>

#include <memory>

#include "core/DDataManager.h"
#include "support/TempHome.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "widgets/FlowLayout.h"

class tst_AllKeysPicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shippedList();
    void captions_data();
    void captions();
    void clicks_data();
    void clicks();
    void clickFromElsewhere();
    void brokenList();
    void repeatedCode();
    void missingRows();

private:
    static int count(const DAllKeysShowPage &page, int group) { return page.groupLayout(group)->count(); }
    static DAllKeysItemKey *button(const DAllKeysShowPage &page, int code, int nth = 0);

    std::unique_ptr<TempHome> m_home;
};

void tst_AllKeysPicker::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    DDataManager::getInstance(); // the embedded resources
}

DAllKeysItemKey *tst_AllKeysPicker::button(const DAllKeysShowPage &page, int code, int nth)
{
    for (DAllKeysItemKey *b : page.findChildren<DAllKeysItemKey *>()) {
        if (b->keyCode() == code && nth-- == 0)
            return b;
    }
    return nullptr;
}

void tst_AllKeysPicker::shippedList()
{
    DAllKeysShowPage page;
    QCOMPARE(count(page, 0), 7);
    QCOMPARE(count(page, 1), 46);
    QCOMPARE(count(page, 2), 58);
    QCOMPARE(page.keyNameMap().size(), 111);
    QCOMPARE(page.findChildren<DAllKeysItemKey *>().size(), 111);
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("label_15"))->text(), QStringLiteral("Key Combination"));
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("label_16"))->text(), QStringLiteral("Normal Keys"));
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("label_17"))->text(), QStringLiteral("Special Keys"));

    // In the list's order, each in its group.
    auto first = [&page](int group) {
        return qobject_cast<DAllKeysItemKey *>(page.groupLayout(group)->itemAt(0)->widget());
    };
    QCOMPARE(first(0)->keyCode(), 225);
    QCOMPARE(first(1)->keyCode(), 4);
    QCOMPARE(first(2)->keyCode(), 58);
    QCOMPARE(first(0)->parentWidget()->objectName(), QStringLiteral("widget_KeyCombination"));
    QCOMPARE(first(2)->parentWidget()->objectName(), QStringLiteral("widget_SpecialKeys"));
    QVERIFY(first(1)->minimumSize() == QSize(30, 30));
}

void tst_AllKeysPicker::captions_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("buttonText");
    QTest::newRow("49") << 49 << "\\|" << "\\|";
    QTest::newRow("51") << 51 << "; :" << "; :";
    QTest::newRow("52") << 52 << "' \"" << "' \"";
    QTest::newRow("7&") << 36 << "7&" << "7&&";
    QTest::newRow("L_Ctrl") << 224 << "L_Ctrl" << "L_Ctrl";
    QTest::newRow("Num.Ent") << 88 << "Num.Ent" << "Num.Ent";
}

void tst_AllKeysPicker::captions()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    DAllKeysShowPage page;
    QCOMPARE(page.keyNameMap().value(code), caption);
    DAllKeysItemKey *b = button(page, code);
    QVERIFY(b);
    QCOMPARE(b->caption(), caption);
    QTEST(b->text(), "buttonText");
}

void tst_AllKeysPicker::clicks_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::newRow("L_Ctrl") << 224 << "L_Ctrl";
    QTest::newRow("numeric-pad 0") << 98 << "0";
    QTest::newRow("main-row 0") << 39 << "0)";
}

void tst_AllKeysPicker::clicks()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    DAllKeysShowPage page;
    page.resize(432, 516);
    page.show();
    QSignalSpy clicked(&page, &DAllKeysShowPage::sigKeyListClicked);
    DAllKeysItemKey *b = button(page, code);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), code);
    QCOMPARE(clicked.at(0).at(1).toString(), caption);
}

void tst_AllKeysPicker::clickFromElsewhere()
{
    DAllKeysShowPage page;
    QSignalSpy clicked(&page, &DAllKeysShowPage::sigKeyListClicked);
    page.onKeyButtonClicked(); // no sender
    QPushButton other;
    connect(&other, &QPushButton::clicked, &page, &DAllKeysShowPage::onKeyButtonClicked);
    other.click();
    QCOMPARE(clicked.count(), 0);
}

void tst_AllKeysPicker::brokenList()
{
    DAllKeysShowPage page;
    QSignalSpy loaded(&page, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA);
    for (const QByteArray &text : {QByteArray("{\"EveryKeyInfo_Row01\": [ {\"Dec\": 4, "), QByteArray(),
                                   QByteArray("[1, 2]"), QByteArray("\xff\xfe")}) {
        page.parseAllKeysInfo(text);
    }
    QCOMPARE(loaded.count(), 4);
    QCOMPARE(page.findChildren<DAllKeysItemKey *>().size(), 111);
    QCOMPARE(page.keyNameMap().size(), 111);
}

void tst_AllKeysPicker::repeatedCode()
{
    DAllKeysShowPage page;
    const int before = count(page, 0);
    page.parseAllKeysInfo("{\"EveryKeyInfo_Row01\": [ {\"Dec\": 500, \"Character\": \"first\"},"
                          " {\"Dec\": 500, \"Character\": \"later\"} ] } trailing text");
    QCOMPARE(count(page, 0), before + 2);
    QCOMPARE(page.keyNameMap().value(500), QStringLiteral("later"));
    QCOMPARE(button(page, 500, 0)->caption(), QStringLiteral("first"));
    QCOMPARE(button(page, 500, 1)->caption(), QStringLiteral("later"));
}

void tst_AllKeysPicker::missingRows()
{
    DAllKeysShowPage page;
    const int before[3] = {count(page, 0), count(page, 1), count(page, 2)};
    page.parseAllKeysInfo("{\"EveryKeyInfo_Row00\": [ {\"Dec\": 401, \"Character\": \"Mail\"} ],"
                          " \"EveryKeyInfo_Row02\": [], \"EveryKeyInfo_Row03\": {\"Dec\": 1} }");
    QCOMPARE(count(page, 0), before[0]);
    QCOMPARE(count(page, 1), before[1]);
    QCOMPARE(count(page, 2), before[2]);
    QVERIFY(!page.keyNameMap().contains(401));
}

QTEST_MAIN(tst_AllKeysPicker)
#include "tst_allkeyspicker.moc"
