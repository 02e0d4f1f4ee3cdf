#include "ui/mainwidget/devicePage/customKeys/DKeyWithAppPage.h"
#include "ui_DKeyWithAppPage.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "widgets/OpenFileDialog.h"
#include "widgets/StyleSheetUpdate.h"

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyWithAppPage)
{
    ui->setupUi(this);
    setTexts();
}

DKeyWithAppPage::~DKeyWithAppPage()
{
    delete ui;
}

void DKeyWithAppPage::setTexts()
{
    ui->label_10->setText(QObject::tr("Select App"));
    ui->textEdit_appPath->setPlaceholderText(QObject::tr("Please select the path where your app is located"));
    ui->pushButton_selectAppPath->setText(QObject::tr("Select application"));
}

QString DKeyWithAppPage::startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

QStringList DKeyWithAppPage::fileFilters()
{
    return {QObject::tr("Applications (*.desktop)"), QObject::tr("All files (*)")};
}

void DKeyWithAppPage::loadKeyOperateInfo()
{
    DKeyFunctionPage::loadKeyOperateInfo();
    ui->textEdit_appPath->clear();
    if (m_storedItem && KeyItemIO::fieldNumber(m_storedItem->type) == KeyOperate_LaunchApp)
        ui->textEdit_appPath->setPlainText(QString::fromUtf8(recordFieldText(m_storedItem->value)));
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    OpenFileDialog::ask(this, {QObject::tr("Select App"), startFolder(), fileFilters()}, this,
                        [this](const QString &fileName) { onFileChosen(fileName); });
}

void DKeyWithAppPage::onFileChosen(const QString &fileName)
{
    // Cancelled, or gone meanwhile: nothing changes.
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return;
    if (!KeyItemIO::valueFits(fileName.toUtf8())) {
        emit sigCustomKeyInfoSaveFailed(KeyOperate_LaunchApp, ErrorTooLong);
        return;
    }
    m_chosenPath = fileName;
    ui->textEdit_appPath->setPlainText(m_chosenPath);
    saveKeyOperateInfo();
}

void DKeyWithAppPage::saveKeyOperateInfo()
{
    if (m_chosenPath.isEmpty() || !QFileInfo::exists(m_chosenPath))
        return;
    storeItem(KeyOperate_LaunchApp, "8", "1", "1", m_chosenPath.toUtf8());
}

void DKeyWithAppPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}

void DKeyWithAppPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(ui->label_10, titleLabelStyle(theme));
    setStyleSheetIfChanged(ui->pushButton_selectAppPath, pageButtonStyle(theme));
    setStyleSheetIfChanged(ui->textEdit_appPath, textBoxStyle(theme));
    const QFont font = pageFont(12);
    ui->label_10->setFont(font);
    ui->pushButton_selectAppPath->setFont(font);
}
