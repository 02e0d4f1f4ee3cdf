#include "ui/mainwidget/devicePage/customKeys/DResetDefaultPage.h"
#include "ui_DResetDefaultPage.h"

#include <QButtonGroup>
#include <QDebug>

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "widgets/StyleSheetUpdate.h"

DResetDefaultPage::DResetDefaultPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DResetDefaultPage)
{
    ui->setupUi(this);
    setTexts();
    // Nothing to cancel: the page stores nothing until OK.
    ui->pushButton_Cancel->hide();

    m_pressGroup = new QButtonGroup(this);
    m_pressGroup->addButton(ui->radioButton_LightPress, 0);
    m_pressGroup->addButton(ui->radioButton_HeavyPress, 1);
    ui->radioButton_LightPress->setChecked(true);
    connect(m_pressGroup, &QButtonGroup::idClicked, this, &DResetDefaultPage::onCurIndexChanged_ModeSel);
    showKeyName();
}

DResetDefaultPage::~DResetDefaultPage()
{
    delete ui;
}

void DResetDefaultPage::setTexts()
{
    ui->label_3->setText(QObject::tr("Default"));
    ui->pushButton_OK->setText(QObject::tr("OK"));
    ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
    ui->radioButton_LightPress->setText(QObject::tr("Light Press"));
    ui->radioButton_HeavyPress->setText(QObject::tr("Heavy Press"));
}

void DResetDefaultPage::showKeyName()
{
    ui->label_KeyChar->setText(m_keyItem.hasKey() ? m_keyItem.keyName() : QStringLiteral("NULL"));
}

void DResetDefaultPage::loadKeyOperateInfo()
{
    m_keyItem = KeyItemIO::selectedKeyLightPress();
    showKeyName();
    ui->frame_Top2->setVisible(DDataManager::getInstance()->isMagneticKeyboard() && m_selectorAllowed);
    ui->radioButton_LightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
}

void DResetDefaultPage::clearSelectedKey()
{
    m_keyItem = KeyItemIO();
    showKeyName();
}

void DResetDefaultPage::setLightHeavySelectVisible(bool visible)
{
    Q_UNUSED(visible);
    ui->frame_Top2->hide();
    m_selectorAllowed = false;
}

void DResetDefaultPage::onCurIndexChanged_ModeSel(int selIndex)
{
    m_keyItem = selIndex == 0 ? m_keyItem.withLightPress() : m_keyItem.withHeavyPress();
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    if (!m_keyItem.hasKey()) {
        emit sigCustomKeyInfoSaveFailed(NoKeyOperateType, ErrorNoKeyOrEmptyText);
        return;
    }
    const std::optional<KeyOperateInfoStu> item = m_keyItem.read();
    if (!item) { // nothing stored: the key has its default already
        reportStored(NoKeyOperateType, true);
        return;
    }

    // A macro that only this key of the profile plays loses its copy in the
    // profile, but only once the key's item is gone: a failed write leaves
    // the key and its macro as they were.
    const QByteArray type = recordFieldText(item->type);
    const QByteArray value = recordFieldText(item->value);
    const bool onlyUserOfMacro =
        KeyItemIO::fieldNumber(item->type) == KeyOperate_Macro && m_keyItem.countItems(type, value) == 1;

    if (!m_keyItem.remove()) {
        reportStored(NoKeyOperateType, false);
        return;
    }
    if (onlyUserOfMacro) {
        const int macroIndex = KeyItemIO::textNumber(value, -1);
        if (macroIndex >= 0 && !m_keyItem.removeMacroCopy(macroIndex))
            qDebug().noquote() << "The profile's copy of macro" << macroIndex << "stays in" << m_keyItem.path();
    }
    reportStored(NoKeyOperateType, true);
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DResetDefaultPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
    showKeyName();
}

void DResetDefaultPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    const QFont font = pageFont(12);
    setStyleSheetIfChanged(ui->label_3, titleLabelStyle(theme));
    setStyleSheetIfChanged(ui->label_KeyChar, keyNameLabelStyle(theme));
    setStyleSheetIfChanged(ui->pushButton_OK, pageButtonStyle(theme));
    setStyleSheetIfChanged(ui->frame_Top2, radioButtonStyle(theme));
    const QList<QWidget *> texts = {ui->label_3, ui->label_KeyChar, ui->pushButton_OK};
    for (QWidget *widget : texts)
        widget->setFont(font);
}
