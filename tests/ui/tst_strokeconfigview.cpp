// The trigger-point popup on a real advanced-key store: it opens on point
// 1's value, a release stores points 1 and 4 only and says so, nothing is
// said when the store refuses the record, and the close button.
#include <QtTest>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <list>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/TempHome.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "widgets/MySlider.h"

using lumtar::store::AtomicFileWriter;

class tst_StrokeConfigView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensOnPointOne_data();
    void opensOnPointOne();
    void releaseStoresPointsOneAndFour();
    void keyboardChangesOnlyTheLabel();
    void storeRefuses();
    void closeButton();

private:
    SeniorKeyInfoStu stored(int id) const;
    static void dragHandleTo(MySlider *slider, int value);

    std::unique_ptr<TempHome> m_home;
    QByteArray m_path;
    int m_no = 0;
    std::unique_ptr<DStrokeConfigView> m_view;
};

void tst_StrokeConfigView::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    DDataManager::getInstance()->loadThemeConfig(0);
}

void tst_StrokeConfigView::init()
{
    m_path = QFile::encodeName(m_home->path() + QStringLiteral("/SeniorKeyConfig%1.xml").arg(++m_no));
    QVERIFY(CLumtarXML_SeniorKey_CreateXMLFile(m_path.constData()));
    QVERIFY(CLumtarXML_SeniorKey_CreateProFileXmlParentNode(m_path.constData()));
    QVERIFY(DDataManager::getInstance()->setSeniorKeyXmlPath(m_path.constData()));
    SeniorKeyInfoStu record = SeniorKeyRecord::newRecord(1, LUMTAR_SENIOR_DKS);
    SeniorKeyRecord::setSlotText(&record, 2, "3,4");
    record.dksAction[1][1] = 2;
    QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(m_path.constData(), LUMTAR_SENIOR_DKS, record));
    m_view = std::make_unique<DStrokeConfigView>();
    m_view->setAttribute(Qt::WA_DeleteOnClose, false);
}

void tst_StrokeConfigView::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    m_view.reset();
}

SeniorKeyInfoStu tst_StrokeConfigView::stored(int id) const
{
    std::list<SeniorKeyInfoStu> records;
    CLumtarXML_SeniorKey_SelectAllInfoItem(m_path.constData(), &records);
    for (const SeniorKeyInfoStu &r : records)
        if (r.id == id)
            return r;
    return SeniorKeyInfoStu{};
}

void tst_StrokeConfigView::dragHandleTo(MySlider *slider, int value)
{
    const int y = slider->height() / 2;
    const QPoint from(slider->handlePosition(), y);
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, from);
    // Move until the slider reads the value (the style decides the pixels).
    for (int x = 0; x < slider->width() && slider->value() != value; ++x) {
        QMouseEvent move(QEvent::MouseMove, QPoint(x, y), slider->mapToGlobal(QPoint(x, y)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(slider, &move);
    }
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->handlePosition(), y));
}

void tst_StrokeConfigView::opensOnPointOne_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("label");
    QTest::newRow("new record") << 15 << 15 << 15 << "1.5mm";
    QTest::newRow("points differ") << 23 << 30 << 23 << "2.3mm";
    QTest::newRow("out of range") << 90 << 15 << 36 << "3.6mm";
}

void tst_StrokeConfigView::opensOnPointOne()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(m_view->findChild<QLabel *>(QStringLiteral("label_StrokeView"))->text(), QStringLiteral("1.0mm"));
    SeniorKeyInfoStu record = stored(1);
    record.triggerPoint[0] = first;
    record.triggerPoint[3] = last;
    m_view->setSeniorKeyInfo(record);
    QTEST(m_view->findChild<MySlider *>()->value(), "value");
    QTEST(m_view->findChild<QLabel *>(QStringLiteral("label_StrokeView"))->text(), "label");
    QCOMPARE(m_view->size(), QSize(460, 150));
}

void tst_StrokeConfigView::releaseStoresPointsOneAndFour()
{
    m_view->setSeniorKeyInfo(stored(1));
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QSignalSpy changed(m_view.get(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);
    auto *slider = m_view->findChild<MySlider *>();
    dragHandleTo(slider, 23);
    QCOMPARE(slider->value(), 23);
    QCOMPARE(changed.count(), 1);
    const SeniorKeyInfoStu r = stored(1);
    QCOMPARE(QVector<int>({r.triggerPoint[0], r.triggerPoint[1], r.triggerPoint[2], r.triggerPoint[3]}),
             QVector<int>({23, 36, 36, 23}));
    QCOMPARE(SeniorKeyRecord::slotText(r, 2), QByteArray("3,4"));
    QCOMPARE(r.dksAction[1][1], 2);
    QCOMPARE(m_view->seniorKeyInfo().triggerPoint[3], 23);
    QCOMPARE(m_view->findChild<QLabel *>(QStringLiteral("label_StrokeView"))->text(), QStringLiteral("2.3mm"));

    // A release without a move stores again and says so again.
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->handlePosition(), slider->height() / 2));
    QCOMPARE(changed.count(), 2);
}

void tst_StrokeConfigView::keyboardChangesOnlyTheLabel()
{
    m_view->setSeniorKeyInfo(stored(1));
    QSignalSpy changed(m_view.get(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);
    m_view->findChild<MySlider *>()->setValue(36);
    QCOMPARE(m_view->findChild<QLabel *>(QStringLiteral("label_StrokeView"))->text(), QStringLiteral("3.6mm"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(stored(1).triggerPoint[0], 15);
}

void tst_StrokeConfigView::storeRefuses()
{
    m_view->setSeniorKeyInfo(stored(1));
    QSignalSpy changed(m_view.get(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);
    QSignalSpy refused(m_view.get(), &DStrokeConfigView::sigTheDKSStrokeStuRefused);
    auto *slider = m_view->findChild<MySlider *>();
    slider->setValue(30);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    m_view->onSliderStrokeViewReleased();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(refused.count(), 1);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    QCOMPARE(stored(1).triggerPoint[0], 15);
    // The popup shows the stored travel again, not the refused one.
    QCOMPARE(m_view->seniorKeyInfo().triggerPoint[0], 15);
    QCOMPARE(slider->value(), 15);
    QCOMPARE(m_view->findChild<QLabel *>(QStringLiteral("label_StrokeView"))->text(), QStringLiteral("1.5mm"));

    // A record the store does not hold is refused as well.
    SeniorKeyInfoStu gone = stored(1);
    gone.id = 77;
    m_view->setSeniorKeyInfo(gone);
    m_view->onSliderStrokeViewReleased();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(refused.count(), 2);
}

void tst_StrokeConfigView::closeButton()
{
    auto *view = new DStrokeConfigView;
    QPointer<DStrokeConfigView> guard(view);
    view->show();
    QSignalSpy closing(view, &DStrokeConfigView::sigTheStrokeConfigViewClose);
    QTest::mouseClick(view->findChild<QPushButton *>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
    QCOMPARE(closing.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
}

QTEST_MAIN(tst_StrokeConfigView)
#include "tst_strokeconfigview.moc"
