// The lighting page's form, its colour wheel, the "Using" swap rule and a
// scheme row, without a keyboard: object names and classes the code relies
// on with their first state, the wheel's press zones, knob values, signal
// order and picked colour, the swap as a table, and names cut to the store's
// field.
#include <QtTest>

#include <QScopeGuard>

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/DDataManager.h"
#include "ui/mainwidget/devicePage/lightDeal/ColorWheelTool.h"
#include "ui/mainwidget/devicePage/lightDeal/CustomSchemeSwap.h"
#include "ui/mainwidget/devicePage/lightDeal/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/SVColorArea.h"
#include "widgets/CustomButton.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ThemeColorText.h"

#include "ui_DLightsConfigPage.h"

Q_DECLARE_METATYPE(CustomSchemeSwap::Scheme)
Q_DECLARE_METATYPE(colorInfoData)

class tst_LightsForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<colorInfoData>("colorInfoData"); }
    void objects_data();
    void objects();
    void customListEndsWithItsSpacer();
    void slotsConnectedByName();
    void retranslateChangesOnlyTexts();
    void colorWheelTool();
    void switchAndSwatchesStandOut_data();
    void switchAndSwatchesStandOut();

    void pressZones_data();
    void pressZones();
    void knobValues_data();
    void knobValues();
    void discClickSignalOrder();
    void dragFromTheDiscNeverTurnsTheKnob();
    void pickedColourIsTheRenderedPixel();

    void usingSwap_data();
    void usingSwap();
    void schemeNameLimit_data();
    void schemeNameLimit();
    void uncheckedBoxChecksItselfAgain();
    void schemeRowRenameAndLongName();
};

// ---- form ------------------------------------------------------------------------------

void tst_LightsForm::objects_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("checked"); // -1: not checkable or not asked
    QTest::addColumn<QString>("text");
    const char *modes[] = {"toolButton_Static",     "toolButton_Neon",       "toolButton_Breath",
                           "toolButton_Wave",       "toolButton_Twinkle",    "toolButton_Radar",
                           "toolButton_AutoRipple", "toolButton_Striation",  "toolButton_Aurora",
                           "toolButton_Ripple",     "toolButton_Reactive",   "toolButton_Cross",
                           "toolButton_Fireworks",  "toolButton_SpeedRespond", "toolButton_MusicalRhythm",
                           "toolButton_CustomLed",  "toolButton_SideStatic", "toolButton_SideNeon",
                           "toolButton_SideBreath", "toolButton_SideWave",   "toolButton_SideCollision",
                           "toolButton_SideClose"};
    for (const char *m : modes)
        QTest::newRow(m) << m << "CustomButton" << (QByteArray(m) == "toolButton_Static" ? 1 : 0) << "";
    for (const char *m : {"toolButton_Snack", "toolButton_MouseDPI"})
        QTest::newRow(m) << m << "QToolButton" << 0 << "";
    for (const char *d : {"pushButton_Left", "pushButton_Right", "pushButton_Up", "pushButton_Down", "pushButton_Gather",
                          "pushButton_Dispersion", "pushButton_CW", "pushButton_UnCW"})
        QTest::newRow(d) << d << "QPushButton" << 0 << "";
    QTest::newRow("top") << "pushButton_TopColor" << "QPushButton" << 0 << "";
    QTest::newRow("bottom") << "pushButton_BottomColor" << "QPushButton" << 0 << "";
    QTest::newRow("full colour") << "checkBox_FullColorMode" << "QCheckBox" << 0 << "";
    QTest::newRow("switch") << "toolButton_LightSelectTypeChanged" << "QToolButton" << -1 << "...";
    QTest::newRow("R") << "lineEdit_R" << "QLineEdit" << -1 << "0";
    QTest::newRow("G") << "lineEdit_G" << "QLineEdit" << -1 << "255";
    QTest::newRow("B") << "lineEdit_B" << "QLineEdit" << -1 << "0";
    QTest::newRow("mode name") << "label_LightMode" << "QLabel" << -1 << "Light mode";
    QTest::newRow("preview") << "label_ColorShow" << "QLabel" << -1 << "";
    for (int i = 1; i <= 20; ++i) {
        const QByteArray n = QStringLiteral("label_Color%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        QTest::newRow(n.constData()) << QString::fromLatin1(n) << "QLabel" << -1 << "";
    }
    for (const char *f : {"frame_B", "frame_D", "frame_Brightness", "frame_Speed", "frame_DirectionMain", "frame_23",
                          "frame_24", "frame_25", "frame_Color", "frame_SliderBrightness", "frame_SliderSpeed",
                          "frame_3", "frame_CustomLight"})
        QTest::newRow(f) << f << "QFrame" << -1 << "";
    QTest::newRow("stack") << "stackedWidget" << "QStackedWidget" << -1 << "";
    QTest::newRow("keyboard page") << "page_KeyboardLightMode" << "QWidget" << -1 << "";
    QTest::newRow("side page") << "page_SideLightMode" << "QWidget" << -1 << "";
    QTest::newRow("scroll holder") << "widget_4" << "QWidget" << -1 << "";
    QTest::newRow("rows' parent") << "scrollAreaWidgetContents_3" << "QWidget" << -1 << "";
    QTest::newRow("scroll") << "scrollArea_3" << "QScrollArea" << -1 << "";
}

void tst_LightsForm::objects()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(int, checked);
    QFETCH(QString, text);
    QWidget page;
    Ui::DLightsConfigPage form;
    form.setupUi(&page);
    QCOMPARE(page.objectName(), QStringLiteral("DLightsConfigPage"));
    auto *w = page.findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
    if (checked >= 0) {
        auto *b = qobject_cast<QAbstractButton *>(w);
        QVERIFY(b->isCheckable());
        QCOMPARE(int(b->isChecked()), checked);
    }
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(b->text(), text);
    else if (auto *l = qobject_cast<QLabel *>(w))
        QCOMPARE(l->text(), text);
    else if (auto *e = qobject_cast<QLineEdit *>(w)) {
        QCOMPARE(e->text(), text);
        QCOMPARE(e->maxLength(), 3);
    }
    QCOMPARE(form.stackedWidget->currentWidget(), form.page_KeyboardLightMode);
}

void tst_LightsForm::customListEndsWithItsSpacer()
{
    QWidget page;
    Ui::DLightsConfigPage form;
    form.setupUi(&page);
    QCOMPARE(form.verticalLayout_39->count(), 1);
    QVERIFY(form.verticalLayout_39->itemAt(0)->spacerItem());
    QCOMPARE(form.scrollArea_3->widget(), form.scrollAreaWidgetContents_3);
    QCOMPARE(form.horizontalLayout_12->count(), 10); // spacer, eight buttons, spacer
}

void tst_LightsForm::slotsConnectedByName()
{
    DLightsConfigPage page;
    // Each by-name slot reacts: the switch without side light tells so, the
    // full-colour box changes the record, a focused edit takes its text.
    QSignalSpy tips(&page, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    page.findChild<QAbstractButton *>(QStringLiteral("toolButton_LightSelectTypeChanged"))->click();
    QCOMPARE(tips.count(), 1);
    QSignalSpy changes(&page, &DLightsConfigPage::sigLightConfigHaveChanged);
    page.findChild<QAbstractButton *>(QStringLiteral("checkBox_FullColorMode"))->click();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), 1);
    for (const char *name : {"lineEdit_R", "lineEdit_G", "lineEdit_B"}) {
        auto *edit = page.findChild<QLineEdit *>(QLatin1String(name));
        page.show();
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->setText(QStringLiteral("7"));
    }
    QCOMPARE(changes.count(), 4);
    const colorInfoData r = page.currentColorInfo();
    QCOMPARE(QVector<int>({r.red1, r.green1, r.blue1}), QVector<int>({7, 7, 7}));
}

void tst_LightsForm::retranslateChangesOnlyTexts()
{
    QWidget page;
    Ui::DLightsConfigPage form;
    form.setupUi(&page);
    form.lineEdit_R->setText(QStringLiteral("12"));
    form.pushButton_CW->setChecked(true);
    const int children = page.findChildren<QObject *>().size();
    const QString sheet = form.frame_Bg02->styleSheet();
    form.label->setText(QStringLiteral("x"));
    form.retranslateUi(&page);
    QCOMPARE(form.label->text(), QStringLiteral("Type:"));
    QCOMPARE(form.lineEdit_R->text(), QStringLiteral("12"));
    QVERIFY(form.pushButton_CW->isChecked());
    QCOMPARE(page.findChildren<QObject *>().size(), children);
    QCOMPARE(form.frame_Bg02->styleSheet(), sheet);
}

void tst_LightsForm::colorWheelTool()
{
    ColorWheelTool tool;
    QCOMPARE(tool.objectName(), QStringLiteral("ColorWheelTool"));
    QCOMPARE(tool.size(), QSize(400, 300));
    QCOMPARE(tool.windowTitle(), QStringLiteral("ColorWheelTool"));
}

// ---- colour wheel ------------------------------------------------------------------------

void tst_LightsForm::pressZones_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("disc");
    QTest::newRow("(100, 60) ring") << QPoint(100, 60) << false;
    QTest::newRow("(99, 60) disc") << QPoint(99, 60) << true;
    QTest::newRow("(88, 88) disc") << QPoint(88, 88) << true;
    QTest::newRow("corner") << QPoint(2, 2) << false;
    QTest::newRow("centre") << QPoint(60, 60) << true;
}

void tst_LightsForm::pressZones()
{
    QFETCH(QPoint, at);
    QFETCH(bool, disc);
    SVColorArea wheel;
    QSignalSpy picks(&wheel, &SVColorArea::sigGetRGB);
    QSignalSpy presses(&wheel, &SVColorArea::sigMouseIsPress);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(&wheel, button, {}, at);
        QCOMPARE(wheel.isPressedInside(), disc);
        QTest::mouseRelease(&wheel, button, {}, at);
    }
    QCOMPARE(picks.count(), disc ? 2 : 0);
    QCOMPARE(presses.count(), 4);
    QCOMPARE(presses.at(0).at(0).toBool(), true);
    QCOMPARE(presses.at(1).at(0).toBool(), false);
}

void tst_LightsForm::knobValues_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("value");
    QTest::newRow("top") << QPoint(59, 5) << 100;
    QTest::newRow("left") << QPoint(5, 59) << 25;
    QTest::newRow("bottom") << QPoint(59, 115) << 50;
    QTest::newRow("right") << QPoint(115, 59) << 75;
}

void tst_LightsForm::knobValues()
{
    QFETCH(QPoint, at);
    QFETCH(int, value);
    SVColorArea wheel;
    wheel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wheel));
    QSignalSpy moves(&wheel, &SVColorArea::sigMoveingStatus);
    QTest::mousePress(&wheel, Qt::LeftButton, {}, at);
    QCOMPARE(qRound(wheel.rotateValue()), value);
    QTRY_VERIFY(!moves.isEmpty());
    QCOMPARE(moves.last().at(0).toInt(), int(wheel.rotateValue()));
    wheel.resetRotateValue();
    QCOMPARE(wheel.rotateValue(), 0.0);
}

void tst_LightsForm::discClickSignalOrder()
{
    SVColorArea wheel;
    wheel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wheel));
    QTest::mousePress(&wheel, Qt::LeftButton, {}, QPoint(115, 59));
    QTest::mouseRelease(&wheel, Qt::LeftButton, {}, QPoint(115, 59));
    QCoreApplication::processEvents();
    QStringList order;
    connect(&wheel, &SVColorArea::sigMouseIsPress, this, [&](bool p) { order << (p ? "press" : "release"); });
    connect(&wheel, &SVColorArea::svChangedSignal, this, [&] { order << "sv"; });
    connect(&wheel, &SVColorArea::sigGetRGB, this, [&] { order << "rgb"; });
    connect(&wheel, &SVColorArea::sigGetHexRGB, this, [&] { order << "hex"; });
    connect(&wheel, &SVColorArea::sigMoveingStatus, this,
            [&](int v, int d) { order << QStringLiteral("move %1 %2").arg(v).arg(d); });
    QTest::mousePress(&wheel, Qt::LeftButton, {}, QPoint(50, 60));
    QTRY_VERIFY(order.contains(QStringLiteral("move 0 0")));
    QTest::mouseRelease(&wheel, Qt::LeftButton, {}, QPoint(50, 60));
    QCOMPARE(order.mid(0, 4), QStringList({"press", "sv", "rgb", "hex"}));
    QCOMPARE(order.last(), QStringLiteral("release"));
    QCOMPARE(wheel.rotateValue(), 0.0);
}

void tst_LightsForm::dragFromTheDiscNeverTurnsTheKnob()
{
    SVColorArea wheel;
    QTest::mousePress(&wheel, Qt::LeftButton, {}, QPoint(60, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(115, 59), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&wheel, &move);
    QCOMPARE(wheel.rotateValue(), 0.0);
    QTest::mouseRelease(&wheel, Qt::LeftButton, {}, QPoint(115, 59));
    // A drag from the ring turns the knob even across the disc.
    QTest::mousePress(&wheel, Qt::LeftButton, {}, QPoint(115, 59));
    QMouseEvent across(QEvent::MouseMove, QPointF(59, 70), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&wheel, &across);
    QCOMPARE(qRound(wheel.rotateValue()), 50);
}

void tst_LightsForm::pickedColourIsTheRenderedPixel()
{
    SVColorArea wheel;
    wheel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wheel));
    const QImage rendered = wheel.grab().toImage();
    QSignalSpy picks(&wheel, &SVColorArea::sigGetRGB);
    QSignalSpy hex(&wheel, &SVColorArea::sigGetHexRGB);
    for (const QPoint &at : {QPoint(30, 60), QPoint(60, 30), QPoint(85, 75), QPoint(60, 60)}) {
        picks.clear();
        hex.clear();
        QTest::mousePress(&wheel, Qt::LeftButton, {}, at);
        QTest::mouseRelease(&wheel, Qt::LeftButton, {}, at);
        QCOMPARE(picks.count(), 1);
        const QColor expected = rendered.pixelColor(at);
        QCOMPARE(QVector<int>({picks.at(0).at(0).toInt(), picks.at(0).at(1).toInt(), picks.at(0).at(2).toInt()}),
                 QVector<int>({expected.red(), expected.green(), expected.blue()}));
        QCOMPARE(hex.at(0).at(0).toString(), expected.name(QColor::HexRgb).toUpper());
    }
}

// ---- schemes -------------------------------------------------------------------------------

void tst_LightsForm::usingSwap_data()
{
    using S = CustomSchemeSwap::Scheme;
    QTest::addColumn<QVector<S>>("schemes");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("flag");     // the page's flag before the choice
    QTest::addColumn<int>("replaced"); // -1: nothing changes
    const S u0{QStringLiteral("Using"), 0};
    const S u1{QStringLiteral("Using"), 1};
    const S un{QStringLiteral("UnUsing"), -1};
    QTest::newRow("flag -1 takes slot 0") << QVector<S>{u0, u1, un, un, un} << 2 << -1 << 0;
    QTest::newRow("flag 0") << QVector<S>{u0, u1, un, un, un} << 3 << 0 << 0;
    QTest::newRow("flag 1") << QVector<S>{u0, u1, un, un, un} << 3 << 1 << 1;
    QTest::newRow("slots swapped in store") << QVector<S>{u1, u0, un, un, un} << 4 << 1 << 0;
    QTest::newRow("one in use") << QVector<S>{u0, un, un, un, un} << 2 << 0 << -1;
    QTest::newRow("three in use") << QVector<S>{u0, u1, u1, un, un} << 3 << 1 << -1;
    QTest::newRow("slots 0 and 0") << QVector<S>{u0, u0, un, un, un} << 2 << 1 << -1;
    QTest::newRow("slots 1 and 2") << QVector<S>{u1, S{QStringLiteral("Using"), 2}, un, un, un} << 2 << 0 << -1;
    QTest::newRow("chosen already in use") << QVector<S>{u0, u1, un, un, un} << 1 << 0 << -1;
}

void tst_LightsForm::usingSwap()
{
    QFETCH(QVector<CustomSchemeSwap::Scheme>, schemes);
    QFETCH(int, chosen);
    QFETCH(int, flag);
    QFETCH(int, replaced);
    QCOMPARE(CustomSchemeSwap::replaced(schemes, chosen, CustomSchemeSwap::slotFor(flag)), replaced);
}

void tst_LightsForm::schemeNameLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");
    const QString a63(63, QLatin1Char('a'));
    QTest::newRow("short") << "Gaming" << "Gaming";
    QTest::newRow("63 bytes") << a63 << a63;
    QTest::newRow("64 bytes") << a63 + "b" << a63;
    // 62 ASCII bytes and a two-byte letter: the letter does not fit whole.
    QTest::newRow("no half letter") << QString(62, QLatin1Char('a')) + QStringLiteral("é") << QString(62, QLatin1Char('a'));
    QTest::newRow("21 three-byte") << QString(25, QChar(0x4E2D)) << QString(21, QChar(0x4E2D));
    QTest::newRow("emoji pair") << QString(61, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80")
                                << QString(61, QLatin1Char('a'));
}

void tst_LightsForm::schemeNameLimit()
{
    QFETCH(QString, name);
    QFETCH(QString, kept);
    const QString limited = DCustomLightListItem::limitedName(name);
    QCOMPARE(limited, kept);
    QVERIFY(limited.toUtf8().size() <= DCustomLightListItem::NameBytes);
}

void tst_LightsForm::uncheckedBoxChecksItselfAgain()
{
    DCustomLightListItem row;
    row.setCustomLightNode(QStringLiteral("1"), QStringLiteral("WASD+Arrows"), QStringLiteral("Using"), 1);
    QSignalSpy using_(&row, &DCustomLightListItem::sigCustomLightUsingStatus);
    auto *box = row.findChild<QCheckBox *>(QStringLiteral("checkBox"));
    QVERIFY(box->isChecked());
    box->click();
    QVERIFY(box->isChecked());
    QCOMPARE(using_.count(), 0);
    row.setUsingStatus(false);
    box->click();
    QCOMPARE(using_.count(), 1);
    QCOMPARE(using_.at(0).at(0).toBool(), true);
    QVERIFY(!row.findChild<QPushButton *>(QStringLiteral("pushButton_CustomOperate"))->isVisibleTo(&row));
    // The name as given (a row not laid out yet shows it cut to its default width).
    QCOMPARE(row.findChild<ElidedLabel *>(QStringLiteral("label_CustomItemName"))->fullText(),
             QStringLiteral("WASD+Arrows"));
}

// A name longer than its row ends in "…" (the whole name in the tooltip);
// a double click opens the rename field with the cursor in it, the old name
// selected to be typed over.
void tst_LightsForm::schemeRowRenameAndLongName()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *row = new DCustomLightListItem(&window);
    layout->addWidget(row);
    window.resize(180, 60);
    const QString name = QStringLiteral("Evening colours for the long winter nights");
    row->setCustomLightNode(QStringLiteral("2"), name, QStringLiteral("UnUsing"), -1);
    row->updateAppTheme();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *label = row->findChild<QLabel *>(QStringLiteral("label_CustomItemName"));
    QVERIFY(label);
    QVERIFY2(label->text().endsWith(QChar(0x2026)), qPrintable(label->text()));
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    QCOMPARE(label->toolTip(), name);
    QVERIFY(row->width() <= window.width());

    QTest::mouseDClick(row, Qt::LeftButton);
    auto *edit = row->findChild<QLineEdit *>(QStringLiteral("lineEdit_CustomItemName"));
    QVERIFY(edit->isVisible());
    QCOMPARE(window.focusWidget(), edit);
    QCOMPARE(edit->selectedText(), name);
}

// ---- looks in every theme -----------------------------------------------------------------

void tst_LightsForm::switchAndSwatchesStandOut_data()
{
    QTest::addColumn<int>("theme");
    QTest::newRow("Dark") << 0;
    QTest::newRow("Light") << 1;
    QTest::newRow("Blue") << 2;
    QTest::newRow("Pink") << 3;
}

// The page switch shows only its picture, never the form's "..." over it; each
// palette swatch differs visibly from the page background of the theme.
void tst_LightsForm::switchAndSwatchesStandOut()
{
    QFETCH(int, theme);
    DDataManager *data = DDataManager::getInstance();
    data->loadThemeConfig(theme);
    const auto backToDark = qScopeGuard([data] { data->loadThemeConfig(0); });
    const QColor background = themeRgb(data->themeColor().DeviceRightBgColor, 255);
    DLightsConfigPage page;
    page.updateAppTheme();
    QPalette palette = page.palette();
    palette.setColor(QPalette::Window, background);
    page.setPalette(palette);
    page.setAutoFillBackground(true);
    page.resize(1470, 345);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto *switchButton = page.findChild<QAbstractButton *>(QStringLiteral("toolButton_LightSelectTypeChanged"));
    QCOMPARE(switchButton->text(), QStringLiteral("..."));
    const QImage withText = switchButton->grab().toImage();
    switchButton->setText(QString());
    QCOMPARE(switchButton->grab().toImage(), withText);

    const auto distance = [](QColor a, QColor b) {
        const int dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
        return std::sqrt(double(dr * dr + dg * dg + db * db));
    };
    for (int n = 1; n <= 20; ++n) {
        auto *swatch = page.findChild<QLabel *>(QStringLiteral("label_Color%1").arg(n, 2, 10, QLatin1Char('0')));
        const QImage shot = page.grab(QRect(swatch->mapTo(&page, QPoint(0, 0)), swatch->size())).toImage();
        double most = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                most = std::max(most, distance(shot.pixelColor(x, y), background));
        QVERIFY2(most >= 48, qPrintable(QStringLiteral("swatch %1 differs by %2 at most").arg(n).arg(most)));
    }
}

QTEST_MAIN(tst_LightsForm)
#include "tst_lightsform.moc"
