#include "ui/mainwidget/devicePage/customKeys/DChangProfilePage.h"
#include "ui_DChangProfilePage.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "device/RecordFieldText.h"

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DChangProfilePage)
{
    ui->setupUi(this);
    // The box and its list take the theme's colours like every drop-down.
    updateAppTheme();
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

void DChangProfilePage::updateAppTheme()
{
    styleComboBox(ui->comboBox_Profile, DDataManager::getInstance()->themeColor());
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
