// Loading the shown keyboard's current profile into the device page: the
// link, the shared state and the feature pages take the profile file and
// index, the profile box is refilled and the keys that carry a function are
// marked; a profile switch asked for by the keyboard's own key; and the
// lighting engine's start and stop.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>

#include <list>
#include <string>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "device/ProfileIndexCheck.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "widgets/ThemeColorText.h"

// ---- loading the current profile -------------------------------------------------

void DDevicePage::loadProfileKeyAndLightInfo()
{
    DDataManager *data = DDataManager::getInstance();
    const char *profilePath = m_profileFiles.xmlProfilePath();
    data->clearClickedKey();
    ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(CustomKeysPage);
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->resetKeyStates();
    qDebug().noquote() << "openTheUsingDevice  Step6A  001, m_xmlProfilePath:" << profilePath;

    m_currentProfileIndex = CLumtarXML_GetCreateXMLFileProfileIndex(profilePath);
    closeStaleProfileRename();
    if (m_currentKeyboardLink) {
        m_currentKeyboardLink->setProfileIndex(m_currentProfileIndex);
        m_currentKeyboardLink->setXmlProfilePath(profilePath);
    }
    qDebug() << "openTheUsingDevice  Step6A  002";
    data->setCurrentProfileIndex(m_currentProfileIndex);
    data->setXmlProfilePath(profilePath);
    const QByteArray index = QByteArray::number(m_currentProfileIndex);
    qDebug() << "openTheUsingDevice  Step6A  003";
    m_keyboardLightIndex = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(profilePath, index.constData(), 0);
    m_sideLightIndex = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(profilePath, index.constData(), 1);
    qDebug() << "openTheUsingDevice  Step6A  004";
    m_lightRunningStatus = CLumtarXML_SelectProFileLightTypeRuningStatus(profilePath, index.constData());
    m_lightSyncStatus = CLumtarXML_SelectProFileLightSynchronizeStatus(profilePath, index.constData());
    qDebug() << "openTheUsingDevice  Step6A  005";
    m_customKeysPage->setCurrentProfileIndex(m_currentProfileIndex);
    m_customKeysPage->setXmlProfilePath(profilePath);
    qDebug() << "openTheUsingDevice  Step6A  006";
    lightsConfigPage()->setCurrentProfileIndex(m_currentProfileIndex);
    lightsConfigPage()->setXmlProfilePath(profilePath);
    lightsConfigPage()->setHidInterface(m_currentHidInterface);
    qDebug() << "openTheUsingDevice  Step6A  007";
    if (m_currentKeyboardLink)
        lightsConfigPage()->setLightSupportInfo(m_currentKeyboardLink->lightModeList(),
                                                m_currentKeyboardLink->sideLightModeList());
    qDebug() << "openTheUsingDevice  Step6A  008";
    performancePage()->setCurrentProfileIndex(m_currentProfileIndex);
    performancePage()->setXmlProfilePath(profilePath);
    qDebug() << "openTheUsingDevice  Step6A  009";
    m_lightDealMain->setHidInterface(m_currentHidInterface);
    qDebug() << "openTheUsingDevice  Step6A  010";
    loadProfileList();
    qDebug() << "openTheUsingDevice  Step6A  011";

    if (data->isMagneticKeyboard() && m_currentLayerIndex == 0) {
        char heavyPath[DDataManager::PathBufferSize] = {};
        data->copyMagneticXmlPath(heavyPath);
        qDebug() << "openTheUsingDevice  Step6C  001";
        std::list<std::string> codes;
        CLumtarXML_ProFileKeyInfoSelectAll(heavyPath, "1", &codes);
        qDebug() << "openTheUsingDevice  Step6C  002";
        const QMap<int, keyboardButCustom *> buttons = data->keyButtonMap();
        const QColor mark = data->customizedKeyMarkColor();
        for (const std::string &code : codes) {
            keyboardButCustom *key = buttons.value(QByteArray::fromStdString(code).toInt(), nullptr);
            if (!key)
                continue;
            key->setMarkFillColor(mark);
            key->setMarkBorderColor(mark);
            key->setMarked(true);
        }
        qDebug() << "openTheUsingDevice  Step6C  003";
    }
}

void DDevicePage::loadProfileList()
{
    const char *profilePath = m_profileFiles.xmlProfilePath();
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(profilePath, &profiles);
    qDebug().noquote() << "openTheUsingDevice  Step6B  001, m_currentProfileIndex:" << m_currentProfileIndex
                       << "  ArraySize:" << profiles.size();

    ui->comboBox_profileList->blockSignals(true);
    ui->comboBox_profileList->clear();
    qDebug() << "openTheUsingDevice  Step6B  001 A";
    QMap<int, QString> names;
    int currentEntry = -1;
    for (const auto &profile : profiles) {
        const QString indexText = QString::fromStdString(profile.first);
        const QString name = QString::fromUtf8(profile.second.c_str());
        qDebug().noquote() << "Key:" << indexText << " Valus:" << name;
        const int index = indexText.toInt();
        if (index == m_currentProfileIndex && currentEntry < 0)
            currentEntry = ui->comboBox_profileList->count();
        ui->comboBox_profileList->addItem(name, index);
        names.insert(index, name);
    }
    qDebug() << "openTheUsingDevice  Step6B  001 B, tempList.Len:" << names.size();
    qDebug().noquote() << "openTheUsingDevice  Step6B  001 C, strSelectName:" << names.value(m_currentProfileIndex);
    // Profiles may share a name: the entry is chosen by its index, and a
    // current index the file does not list leaves the box without a choice.
    ui->comboBox_profileList->setCurrentIndex(currentEntry);
    ui->comboBox_profileList->blockSignals(false);
    qDebug() << "openTheUsingDevice  Step6B  002";

    DDataManager *data = DDataManager::getInstance();
    const QColor checked = themeRgb(data->themeColor().TextCheckedColor, 255);
    qDebug() << "openTheUsingDevice  Step6B  002A";
    const QByteArray index = QByteArray::number(m_currentProfileIndex);
    std::list<std::string> codes;
    CLumtarXML_ProFileKeyInfoSelectAll(profilePath, index.constData(), &codes);
    qDebug() << "openTheUsingDevice  Step6B  003";
    const QMap<int, keyboardButCustom *> buttons = data->keyButtonMap();
    for (keyboardButCustom *key : buttons) {
        if (!key)
            continue;
        key->setMarkFillColor(checked);
        key->setMarkBorderColor(checked);
        key->setMarked(false);
    }
    qDebug() << "openTheUsingDevice  Step6B  004";
    for (const std::string &code : codes)
        if (keyboardButCustom *key = buttons.value(QByteArray::fromStdString(code).toInt(), nullptr))
            key->setMarked(true);
    qDebug() << "openTheUsingDevice  Step6B  005";
}

// ---- the lighting engine ----------------------------------------------------------

void DDevicePage::startLightEngine()
{
    // The engine holds the interface only while it runs.
    m_lightDealMain->setHidInterface(m_currentHidInterface);
    handKeyGridToLightEngine();
    if (keySelectFrame *frame = DDataManager::getInstance()->currentKeySelectFrame())
        m_lightDealMain->setSideLightButtons(frame->sideLightButtons());
    else
        m_lightDealMain->setSideLightButtons({});
    m_lightDealMain->setMusicBandLayout(m_currentHidInfo.keyCount, 11, 30.0, 930.0);
    m_lightDealMain->loadProFileLightInfo();
    m_lightDealMain->setPreviewPaintEnabled(true);
    m_lightDealMain->setLightPreviewRunning(true);
    m_lightDealMain->setLightSynchronize(true);
}

void DDevicePage::stopLightEngine()
{
    m_lightDealMain->setLightSynchronize(false);
    m_lightDealMain->setPreviewPaintEnabled(false);
    m_lightDealMain->setLightPreviewRunning(false);
    m_lightDealMain->setHidInterface(nullptr);
}

// ---- a profile switch asked for by the keyboard --------------------------------

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    // While a download, an enumeration or an open runs, the shown keyboard
    // and its profile file may change under the switch: ignore it.
    if (!m_currentKeyboardLink || isDownloadRunning() || isDeviceWorkRunning())
        return;
    // Only a profile the file lists can become current.
    if (!profileFileHasProfile(m_profileFiles.xmlProfilePath(), changeProfileIndex)) {
        qDebug() << "Keyboard asked for profile" << changeProfileIndex << "which the profile file does not list";
        return;
    }
    m_currentProfileIndex = changeProfileIndex;
    CLumtarXML_ModifyXMLFileProfileIndex(m_profileFiles.xmlProfilePath(), changeProfileIndex);
    loadProfileKeyAndLightInfo();
}
