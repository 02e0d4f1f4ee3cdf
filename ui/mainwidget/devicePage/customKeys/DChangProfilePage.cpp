#include "ui/mainwidget/devicePage/customKeys/DChangProfilePage.h"
#include "ui_DChangProfilePage.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

#include "sdk/include/LumtarXml.h"
#include "device/RecordFieldText.h"

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DChangProfilePage)
{
    ui->setupUi(this);
    // The list keeps the form's looks, in a sheet of its own (one that
    // reaches it through the combo box is not always applied to its first
    // showing); its rows take their height from it.
    ui->comboBox_Profile->setItemDelegate(new QStyledItemDelegate(ui->comboBox_Profile));
    ui->comboBox_Profile->view()->setStyleSheet(
        QStringLiteral("QAbstractItemView{background-color: rgb(26, 27, 49); color: rgb(175, 175, 175); "
                       "border: 1px solid rgb(209, 209, 209); outline: 0px; "
                       "selection-background-color: rgb(255, 143, 31); font: 75 10pt \"Microsoft YaHei\";}"
                       "QAbstractItemView::item{height: 40px; padding-left: 10px;}"));
    setTexts();
    // A pick stores, also of the entry shown: a key without an item shows
    // the first profile, which the user may mean.
    connect(ui->comboBox_Profile, QOverload<int>::of(&QComboBox::activated), this,
            &DChangProfilePage::onComboxActivated);
}

DChangProfilePage::~DChangProfilePage()
{
    delete ui;
}

void DChangProfilePage::setTexts()
{
    ui->label_2->setText(QObject::tr("Assign Profile"));
}

void DChangProfilePage::loadKeyOperateInfo()
{
    DKeyFunctionPage::loadKeyOperateInfo();
    QComboBox *combo = ui->comboBox_Profile;
    const QSignalBlocker blocker(combo);
    combo->clear();
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(m_keyItem.path(), &profiles);
    for (const auto &profile : profiles)
        combo->addItem(QString::fromStdString(profile.second), QString::fromStdString(profile.first));
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);

    if (!m_storedItem || KeyItemIO::fieldNumber(m_storedItem->type) != KeyOperate_SwitchProfile)
        return;
    // The stored profile by its index: two profiles may share a name.
    bool isNumber = false;
    const int stored = recordFieldText(m_storedItem->value).trimmed().toInt(&isNumber);
    for (int entry = 0; isNumber && entry < combo->count(); ++entry) {
        bool entryIsNumber = false;
        if (combo->itemData(entry).toString().trimmed().toInt(&entryIsNumber) == stored && entryIsNumber) {
            combo->setCurrentIndex(entry);
            break;
        }
    }
}

void DChangProfilePage::onComboxActivated(int index)
{
    bool isNumber = false;
    const int profile = ui->comboBox_Profile->itemData(index).toString().trimmed().toInt(&isNumber);
    if (!isNumber)
        return;
    storeItem(KeyOperate_SwitchProfile, "7", "1", "1", QByteArray::number(profile));
}

void DChangProfilePage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}
