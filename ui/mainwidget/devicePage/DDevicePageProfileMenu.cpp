// The device page's profile management: the profile menu in its arrow
// popup, creating, deleting, exporting, importing, renaming and selecting a
// profile of the current profile file (the file of the layer the key pages
// show). Every change of a file is one write; a failure is told as one,
// never with the success text. The file dialogs and questions do not wait:
// their answer continues the operation, on the file and profile that were
// current when it was asked for.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui/mainwidget/devicePage/ProfileListRules.h"
#include "ui/mainwidget/devicePage/ProfileResetSequence.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"

namespace {

LumtarIndexNameList listProfiles(const char *path)
{
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(path, &profiles);
    return profiles;
}

} // namespace

void DDevicePage::initProfileWork()
{
    m_profileReset = new ProfileResetSequence(this);
    connect(m_profileReset, &ProfileResetSequence::sigTravelRead, this, &DDevicePage::onProfileResetTravelRead);
    connect(m_profileReset, &ProfileResetSequence::sigRestoreDue, this, &DDevicePage::onProfileResetRestoreDue);
    m_sleepTimeRequest = new SleepTimeRequest(this);
    connect(m_sleepTimeRequest, &SleepTimeRequest::finished, this, &DDevicePage::onSleepTimeRequestFinished);
}

bool DDevicePage::refuseProfileWork()
{
    if (!m_currentKeyboardLink || !m_profileFiles.hasProfileFile()) {
        m_notice->showNotice(QObject::tr("Device not connected"), noticePoint());
        return true;
    }
    if (isDownloadRunning() || isDeviceWorkRunning()) {
        m_notice->showNotice(QObject::tr("The keyboard is busy, please try again"), noticePoint());
        return true;
    }
    return false;
}

void DDevicePage::setProfileControlsEnabled(bool enabled)
{
    ui->scrollAreaWidgetContents_2->setEnabled(enabled);
    ui->comboBox_profileList->setEnabled(enabled);
    ui->pushButton_ProfileOperate->setEnabled(enabled);
    ui->pushButton_Reset->setEnabled(enabled);
}

QString DDevicePage::fileDialogFolder() const
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

void DDevicePage::askYesNo(const QString &title, const QString &text, std::function<void(bool)> answered)
{
    auto *box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::NoButton, this);
    QPushButton *yes = box->addButton(QObject::tr("Yes"), QMessageBox::YesRole);
    box->addButton(QObject::tr("No"), QMessageBox::NoRole);
    box->setDefaultButton(yes);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this,
            [box, yes, answered]() { answered(box->clickedButton() == yes); });
    box->open();
}

// ---- the menu ---------------------------------------------------------------------

void DDevicePage::on_pushButton_ProfileOperate_clicked()
{
    if (m_popup)
        m_popup->deleteLater();
    auto *menu = new DProfileMenuToolWidget(this);
    menu->setWindowOpacity(1);
    connect(menu, &DProfileMenuToolWidget::sigCloseMenuWidow, this, &DDevicePage::onCloseMenuWidow);
    connect(menu, &DProfileMenuToolWidget::sigProfileCreate, this, &DDevicePage::onProfileCreate);
    connect(menu, &DProfileMenuToolWidget::sigProfileDelete, this, &DDevicePage::onProfileDelete);
    connect(menu, &DProfileMenuToolWidget::sigProfileExport, this, &DDevicePage::onProfileExport);
    connect(menu, &DProfileMenuToolWidget::sigProfileImport, this, &DDevicePage::onProfileImport);
    connect(menu, &DProfileMenuToolWidget::sigProfileModifyName, this, &DDevicePage::onProfileModifyName);

    const QSize size(167, 180);
    const int arrowPos = 120;
    m_popup = new ArrowWidget(1, this);
    m_popup->setWidgetSize(size.width(), size.height());
    m_popup->setCenterWidget(menu);
    // The popup goes when it hides, by a menu entry or by losing activation.
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, m_popup, &QObject::deleteLater);
    QPushButton *button = ui->pushButton_ProfileOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    // The popup stays on the button's screen; its arrow still points at the button.
    m_popup->moveOnScreen(anchor - QPoint(arrowPos + 7, 200), arrowPos, anchor);
    m_popup->show();
    m_popup->activateWindow();
}

void DDevicePage::onCloseMenuWidow()
{
    if (!m_popup)
        return;
    m_popup->hide();
    m_popup->deleteLater();
}

// ---- create and delete ------------------------------------------------------------

void DDevicePage::onProfileCreate()
{
    if (refuseProfileWork())
        return;
    const char *path = m_profileFiles.xmlProfilePath();
    const LumtarIndexNameList profiles = listProfiles(path);
    if (ProfileListRules::isFull(profiles)) {
        m_notice->showNotice(QObject::tr("The number of profile has reached the maximum"), noticePoint());
        return;
    }
    const int index = ProfileListRules::nextIndex(profiles);
    const QByteArray indexText = QByteArray::number(index);
    if (index < 0 || CLumtarXML_IsExistenceSelectProfileNode(path, indexText.constData())) {
        m_notice->showNotice(QObject::tr("Create failed, the index node is already existence, please checked"),
                             noticePoint());
        return;
    }
    const QByteArray name = ProfileListRules::defaultName(index).toUtf8();
    bool created = false;
    {
        // The profile reaches the file with its defaults, in one write.
        LumtarXmlBatch batch(path);
        created = CLumtarXML_CreateProFileXmlParentNode(path, indexText.constData(), name.constData(), 0);
        if (created) {
            addDefaultLightInfo(index);
            addDefaultCustomLightNodes(index);
        }
        created = batch.commit() && created;
    }
    loadProfileList();
    if (!created) {
        qDebug().noquote() << "Create profile failed:" << path << index;
        m_notice->showNotice(QObject::tr("Create profile failed"), noticePoint());
        return;
    }
    m_notice->showNotice(QObject::tr("Create profile successful"), noticePoint());
}

void DDevicePage::onProfileDelete()
{
    if (refuseProfileWork())
        return;
    const char *path = m_profileFiles.xmlProfilePath();
    if (listProfiles(path).size() < 2) {
        m_notice->showNotice(QObject::tr("Need keep at least one profile"), noticePoint());
        return;
    }
    const QByteArray indexText = QByteArray::number(m_currentProfileIndex);
    bool deleted = false;
    {
        // The profile goes and the first one left becomes current, in one write.
        LumtarXmlBatch batch(path);
        deleted = CLumtarXML_DeleteProFileSelectedNode(path, indexText.constData());
        const LumtarIndexNameList left = listProfiles(path);
        if (deleted && !left.empty())
            CLumtarXML_ModifyXMLFileProfileIndex(path, QByteArray::fromStdString(left.front().first).toInt());
        deleted = batch.commit() && deleted;
    }
    loadProfileKeyAndLightInfo();
    if (!deleted) {
        qDebug().noquote() << "Delete profile failed:" << path << m_currentProfileIndex;
        m_notice->showNotice(QObject::tr("Delete profile failed"), noticePoint());
        return;
    }
    m_notice->showNotice(QObject::tr("Delete profile successful"), noticePoint());
}

// ---- export and import ------------------------------------------------------------

void DDevicePage::onProfileExport()
{
    if (refuseProfileWork())
        return;
    const QByteArray path(m_profileFiles.xmlProfilePath());
    const int index = m_currentProfileIndex;
    auto *dialog = new QFileDialog(this, QObject::tr("Save directory"), fileDialogFolder());
    dialog->setObjectName(QStringLiteral("profileExportDialog"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks
                       | QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::finished, this, [this, dialog, path, index](int result) {
        const QString folder = result == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
        exportProfile(folder, path, index);
    });
    dialog->open();
}

void DDevicePage::exportProfile(const QString &folder, const QByteArray &profilePath, int profileIndex)
{
    if (folder.isEmpty()) {
        m_notice->showNotice(QObject::tr("Please select save directory first"), noticePoint());
        return;
    }
    const QByteArray indexText = QByteArray::number(profileIndex);
    ProfileNodeInfoStu node{};
    if (!CLumtarXML_SelectProfileNodeInfo(profilePath.constData(), indexText.constData(), &node)) {
        m_notice->showNotice(QObject::tr("This index node non-existent"), noticePoint());
        return;
    }
    const QString name = QString::fromUtf8(node.name);
    const QByteArray exportPath = ProfileListRules::exportFilePath(folder, name, profileIndex);
    if (exportPath.isEmpty()) {
        qDebug().noquote() << "Export path too long:" << folder << name;
        m_notice->showNotice(QObject::tr("Export profile failed, the file path is too long"), noticePoint());
        return;
    }
    // A file already there is not replaced: a profile store takes the
    // profile as a further one, anything else refuses it and stays as it is.
    const bool created = !QFileInfo::exists(QFile::decodeName(exportPath))
        && CLumtarXML_CreateXMLFile(exportPath.constData());
    if (!CLumtarXML_ProFileExport(profilePath.constData(), exportPath.constData(), indexText.constData(), 0)) {
        if (created)
            QFile::remove(QFile::decodeName(exportPath));
        qDebug().noquote() << "Export profile failed:" << exportPath;
        m_notice->showNotice(QObject::tr("Export profile failed"), noticePoint());
        return;
    }
    m_notice->showNotice(QObject::tr("Export profile successful"), noticePoint());
}

void DDevicePage::onProfileImport()
{
    if (refuseProfileWork())
        return;
    const QByteArray path(m_profileFiles.xmlProfilePath());
    auto *dialog = new QFileDialog(this, QObject::tr("Open profile file"), fileDialogFolder(),
                                   QObject::tr("Profile files(*.xml)"));
    dialog->setObjectName(QStringLiteral("profileImportDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::finished, this, [this, dialog, path](int result) {
        const QString file = result == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
        importProfile(file, path);
    });
    dialog->open();
}

void DDevicePage::importProfile(const QString &file, const QByteArray &profilePath)
{
    if (file.isEmpty()) {
        m_notice->showNotice(QObject::tr("Please select import file first"), rect().center());
        return;
    }
    if (ProfileListRules::isFull(listProfiles(profilePath.constData()))) {
        m_notice->showNotice(QObject::tr("The number of profile has reached the maximum"), noticePoint());
        return;
    }
    const QByteArray source = file.toLocal8Bit();
    const QByteArray sourceIndex = ProfileListRules::importIndex(listProfiles(source.constData()));
    if (!CLumtarXML_ProFileImport(profilePath.constData(), source.constData(), sourceIndex.constData())) {
        qDebug().noquote() << "Import profile failed:" << source << sourceIndex;
        m_notice->showNotice(QObject::tr("Import profile failed"), noticePoint());
        return;
    }
    if (profilePath == m_profileFiles.xmlProfilePath())
        loadProfileList();
    m_notice->showNotice(QObject::tr("Import profile successful"), noticePoint());
}

// ---- rename -----------------------------------------------------------------------

void DDevicePage::onProfileModifyName()
{
    if (refuseProfileWork())
        return;
    const QByteArray path(m_profileFiles.xmlProfilePath());
    const QByteArray indexText = QByteArray::number(m_currentProfileIndex);
    ProfileNodeInfoStu node{};
    if (!CLumtarXML_SelectProfileNodeInfo(path.constData(), indexText.constData(), &node))
        return;
    // The name field belongs to this file and profile until it closes.
    m_renameProfilePath = path;
    m_renameProfileIndex = m_currentProfileIndex;
    ui->lineEdit_profileName->setText(QString::fromUtf8(node.name));
    ui->stackedWidget_2->setCurrentWidget(ui->page_ModifyName);
}

bool DDevicePage::isProfileRenameOpen() const
{
    return !m_renameProfilePath.isEmpty();
}

void DDevicePage::closeProfileRename()
{
    m_renameProfilePath.clear();
    m_renameProfileIndex = -1;
    ui->lineEdit_profileName->clear();
    ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
}

void DDevicePage::closeStaleProfileRename()
{
    // Another keyboard, layer or profile is shown: the field would rename a
    // profile the page no longer shows.
    if (isProfileRenameOpen()
        && (m_renameProfilePath != m_profileFiles.xmlProfilePath() || m_renameProfileIndex != m_currentProfileIndex))
        closeProfileRename();
}

void DDevicePage::on_pushButton_Save_clicked()
{
    closeStaleProfileRename();
    if (!isProfileRenameOpen())
        return;
    const QString name = ui->lineEdit_profileName->text();
    switch (ProfileListRules::checkName(name)) {
    case ProfileListRules::NameCheck::Empty:
        m_notice->showNotice(QObject::tr("Profile name can't empty"), noticePoint());
        return;
    case ProfileListRules::NameCheck::TooLong:
        m_notice->showNotice(QObject::tr("Profile name is too long"), noticePoint());
        return;
    case ProfileListRules::NameCheck::Accepted:
        break;
    }
    if (refuseProfileWork())
        return;
    const QByteArray indexText = QByteArray::number(m_renameProfileIndex);
    const bool renamed = CLumtarXML_ModifyProfileNodeInfo(m_renameProfilePath.constData(), indexText.constData(),
                                                          name.toUtf8().constData());
    loadProfileList();
    m_renameProfilePath.clear();
    m_renameProfileIndex = -1;
    ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
    if (!renamed) {
        m_notice->showNotice(QObject::tr("Modify profile info failed"), noticePoint());
        return;
    }
    m_notice->showNotice(QObject::tr("Modify profile info successful"), noticePoint());
}

void DDevicePage::on_pushButton_Cancel_clicked()
{
    closeProfileRename();
}

// ---- select -----------------------------------------------------------------------

void DDevicePage::on_comboBox_profileList_currentIndexChanged(QString text)
{
    Q_UNUSED(text);
    if (!m_profileFiles.hasProfileFile() || ui->comboBox_profileList->currentIndex() < 0)
        return;
    if (refuseProfileWork()) {
        loadProfileList(); // the box shows the current profile again
        return;
    }
    const int index = ui->comboBox_profileList->currentData().toInt();
    qDebug() << "Start profileList_currentIndexChanged index:" << index;
    const char *path = m_profileFiles.xmlProfilePath();
    m_currentProfileIndex = index;
    CLumtarXML_ModifyXMLFileProfileIndex(path, index);
    loadProfileKeyAndLightInfo();

    handKeyGridToLightEngine();
    lightsConfigPage()->reloadLightConfig();
    DDataManager *data = DDataManager::getInstance();
    for (keyboardButCustom *key : data->keyButtonList()) {
        if (!key)
            continue;
        key->setLightColorShow(false);
        key->setHoverEnabled(true);
    }
    if (data->hasSideLight()) {
        const QByteArray indexText = QByteArray::number(m_currentProfileIndex);
        colorInfoData side{};
        if (CLumtarXML_SelectProfileColorDataInfo(path, indexText.constData(), LUMTAR_LIGHT_KIND_SIDE,
                                                  m_sideLightIndex, &side)) {
            m_lightDealMain->setSideColorInfo(side);
            lightsConfigPage()->sendSideLightConfig(side);
        }
    }
    qDebug() << "Over profileList_currentIndexChanged";
}

void DDevicePage::handKeyGridToLightEngine()
{
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 22; ++column)
            m_lightDealMain->setKeyButton(row, column, m_keyButtonGrid[row][column]);
}

void DDevicePage::keepListedProfileCurrent(const QByteArray &profilePath)
{
    const LumtarIndexNameList profiles = listProfiles(profilePath.constData());
    const int current = CLumtarXML_GetCreateXMLFileProfileIndex(profilePath.constData());
    for (const auto &profile : profiles)
        if (QByteArray::fromStdString(profile.first).toInt() == current)
            return;
    if (!profiles.empty())
        CLumtarXML_ModifyXMLFileProfileIndex(profilePath.constData(),
                                             QByteArray::fromStdString(profiles.front().first).toInt());
}
