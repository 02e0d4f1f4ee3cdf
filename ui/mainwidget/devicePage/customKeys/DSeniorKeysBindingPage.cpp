#include "ui/mainwidget/devicePage/customKeys/DSeniorKeysBindingPage.h"
#include "ui_DSeniorKeysBindingPage.h"

#include <QMap>

#include <list>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "device/RecordFieldText.h"
#include "widgets/StyleSheetUpdate.h"

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DSeniorKeysBindingPage)
{
    ui->setupUi(this);
    setTexts();
    connect(ui->comboBox_SeniorKeys, QOverload<int>::of(&QComboBox::activated), this,
            &DSeniorKeysBindingPage::onComboxActivated);
}

DSeniorKeysBindingPage::~DSeniorKeysBindingPage()
{
    delete ui;
}

void DSeniorKeysBindingPage::setTexts()
{
    ui->label_2->setText(tr("Senior Keys"));
}

void DSeniorKeysBindingPage::loadKeyOperateInfo()
{
    DKeyFunctionPage::loadKeyOperateInfo();
    DDataManager::getInstance()->copySeniorKeyXmlPath(m_seniorKeyPath);
    m_seniorKeyPath[sizeof m_seniorKeyPath - 1] = '\0';

    QComboBox *combo = ui->comboBox_SeniorKeys;
    const QSignalBlocker blocker(combo);
    combo->clear();
    // By id, ascending; of two records with one id the later counts.
    QMap<int, QString> names;
    std::list<SeniorKeyInfoStu> records;
    if (CLumtarXML_SeniorKey_SelectAllInfoItem(m_seniorKeyPath, &records))
        for (const SeniorKeyInfoStu &record : records)
            names.insert(record.id, QString::fromUtf8(recordFieldText(record.name)));
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        combo->addItem(it.value(), it.key());
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);

    // Only an advanced-key item names an advanced key; the value of another
    // function (a macro's index, a key code) is no id.
    if (!m_storedItem || KeyItemIO::fieldNumber(m_storedItem->type) != KeyOperate_SeniorKey)
        return;
    const int stored = combo->findData(KeyItemIO::fieldNumber(m_storedItem->value));
    if (stored >= 0)
        combo->setCurrentIndex(stored);
}

void DSeniorKeysBindingPage::onComboxActivated(int index)
{
    const QVariant id = ui->comboBox_SeniorKeys->itemData(index);
    if (!id.isValid())
        return;
    storeItem(KeyOperate_SeniorKey, "40", "1", "1", QByteArray::number(id.toInt()));
}

void DSeniorKeysBindingPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}

void DSeniorKeysBindingPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(ui->label_2, QStringLiteral("QLabel{color: rgb(%1); font: 75 12pt \"%2\";}")
                                            .arg(theme.TextDefaultColor, theme.TextFont));
    styleComboBox(ui->comboBox_SeniorKeys, theme);
}
