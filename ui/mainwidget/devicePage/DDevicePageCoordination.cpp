// The device page's relays between the feature pages, the lighting engine,
// the keyboard view, the profile store and the shown keyboard: the light
// modes and custom-light schemes, sleep times, gamepad mode, the Windows-key
// lock, the refresh of a macro's copies in the profiles, and the hidden
// developer controls of the keyboard view.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>

#include <list>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/CustomLightScheme.h"
#include "ui/mainwidget/devicePage/MacroCopyRefresh.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/LightModeTable.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "widgets/CbNotice.h"

namespace {

const QColor kOpaqueBlack(0, 0, 0, 255);

} // namespace

// ---- light modes ------------------------------------------------------------------

void DDevicePage::onInteractLightsPointXY(int indexX, int indexY)
{
    m_lightDealMain->setInteractLightPoint(indexX, indexY);
}

void DDevicePage::onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data)
{
    if (m_keyboardLightMode == LUMTAR_KEYBOARD_MODE_CUSTOM && lightIndex != LUMTAR_KEYBOARD_MODE_CUSTOM
        && m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->selectKeysInRect(0, 0, 0, 0);
    m_customKeysPage->setLightInteractionHook(LightModeTable::isKeyPressReactive(data.modeCode), 0);
    // Keys are picked for painting only in Custom.
    const bool custom = lightIndex == LUMTAR_KEYBOARD_MODE_CUSTOM;
    if (m_dragShowArea)
        m_dragShowArea->setDragEnabled(custom);
    if (keySelectFrame *keyLayer = DDataManager::getInstance()->currentKeySelectFrame())
        keyLayer->setKeysHoverEnabled(custom);
    m_keyboardLightMode = lightIndex;
    m_lightDealMain->setKeyboardColorInfo(data);
}

void DDevicePage::onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data)
{
    Q_UNUSED(lightIndex);
    m_lightDealMain->setSideColorInfo(data);
}

void DDevicePage::onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data)
{
    Q_UNUSED(lightConfigChangedFrom);
    if (data.lightKind == LUMTAR_LIGHT_KIND_KEYBOARD)
        m_lightDealMain->changeKeyboardColorInfo(data);
    else if (data.lightKind == LUMTAR_LIGHT_KIND_SIDE)
        m_lightDealMain->changeSideColorInfo(data);
}

// ---- custom-light schemes ---------------------------------------------------------

void DDevicePage::onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName)
{
    Q_UNUSED(strCustomLightName);
    for (int row = 0; row < lightDealMain::Rows; ++row) {
        for (int column = 0; column < lightDealMain::Columns; ++column) {
            if (keyboardButCustom *key = m_lightDealMain->keyButton(row, column)) {
                key->setLightColor(kOpaqueBlack);
                key->setCustomLightColor(kOpaqueBlack);
            }
        }
    }
    const QByteArray profile = QByteArray::number(m_currentProfileIndex);
    std::list<CustomLightItemStu> items;
    CLumtarXML_ProFileCustomLightInfoSelectAll(m_profileFiles.xmlProfilePath(), profile.constData(),
                                               strCustomLightIndex.toUtf8().constData(), &items);
    for (const CustomLightItemStu &item : items) {
        // keyButton() has no key outside the 6 x 22 matrix.
        if (keyboardButCustom *key = m_lightDealMain->keyButton(item.indexX, item.indexY)) {
            const QColor colour(qBound(0, item.colorR, 255), qBound(0, item.colorG, 255), qBound(0, item.colorB, 255));
            key->setLightColor(colour);
            key->setCustomLightColor(colour);
        }
    }
    m_customLightUsingIndex = flagIndex;
    m_lightDealMain->writeCustomLightColors(0, flagIndex);
}

void DDevicePage::onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data)
{
    Q_UNUSED(lightConfigChangedFrom);
    const QColor colour(qBound(0, data.red1, 255), qBound(0, data.green1, 255), qBound(0, data.blue1, 255));
    if (m_hidDeviceJoinFrame) {
        for (keyboardButCustom *key : m_hidDeviceJoinFrame->selectedKeys()) {
            if (!key)
                continue;
            key->setLightColor(colour);
            key->setCustomLightColor(colour);
        }
    }
    m_lightDealMain->writeCustomLightColors(1, m_customLightUsingIndex);
    rewriteCustomLightData();
    lightsConfigPage()->writeCurrentCustomLight();
}

void DDevicePage::rewriteCustomLightData()
{
    const int scheme = lightsConfigPage()->currentCustomLightIndex();
    if (scheme < 0 || !m_profileFiles.hasProfileFile())
        return;
    // The scheme keeps the keys' own colours: the light colours shown are
    // the engine's previews, darkened by brightness.
    QVector<CustomLightScheme::Key> keys;
    for (int row = 0; row < lightDealMain::Rows; ++row) {
        for (int column = 0; column < lightDealMain::Columns; ++column) {
            if (keyboardButCustom *key = m_lightDealMain->keyButton(row, column))
                keys.append({key->keyCode(), key->keyCaption(), row, column, key->customLightColor()});
        }
    }
    if (!CustomLightScheme::rewrite(m_profileFiles.xmlProfilePath(), m_currentProfileIndex, scheme,
                                    CustomLightScheme::itemsOf(keys)))
        qDebug() << "Custom light scheme" << scheme << "of profile" << m_currentProfileIndex << "not rewritten";
}

// ---- performance settings ---------------------------------------------------------

void DDevicePage::onLightAndKeyboardSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleepStatus)
{
    if (!m_currentKeyboardLink || !m_profileFiles.hasProfileFile())
        return;
    switch (SleepTimeRequest::check(lightSleepSeconds, keyboardSleepSeconds)) {
    case SleepTimeRequest::Check::LightLongerThanKeyboard:
        onEveryPageBackTip(
            QObject::tr("The time when the light enters sleep cannot be longer than the keyboard enters sleep"));
        return;
    case SleepTimeRequest::Check::KeyboardTooShort:
        onEveryPageBackTip(QObject::tr("Keyboard enters sleep time is too short"));
        return;
    case SleepTimeRequest::Check::Accepted:
        break;
    }
    if (m_sleepTimeRequest->isWaiting()) {
        onEveryPageBackTip(QObject::tr("The keyboard is busy, please try again"));
        return;
    }
    SleepTimeRequest::Request request;
    request.profilePath = QByteArray(m_profileFiles.xmlProfilePath());
    request.profileIndex = m_currentProfileIndex;
    request.lightSeconds = lightSleepSeconds;
    request.keyboardSeconds = keyboardSleepSeconds;
    request.prohibitSleep = prohibitSleepStatus;
    m_sleepTimeAcked = false;
    m_sleepTimeRequest->start(m_currentKeyboardLink, request);
}

void DDevicePage::onSleepTimeRequestFinished(bool confirmed, const SleepTimeRequest::Request &request)
{
    if (!confirmed) {
        onEveryPageBackTip(QObject::tr("Sleep time set failed"));
        return;
    }
    DDataManager::getInstance()->setProhibitSleepStatus(request.prohibitSleep);
    const QByteArray profile = QByteArray::number(request.profileIndex);
    if (!CLumtarXML_SetProFileIntoSleepTimeInfo(request.profilePath.constData(), profile.constData(),
                                                request.lightSeconds,
                                                SleepTimeRequest::keyboardMinutes(request.keyboardSeconds)))
        qDebug().noquote() << "Sleep times not stored in" << request.profilePath << request.profileIndex;
    onEveryPageBackTip(QObject::tr("Sleep time has been set"));
}

void DDevicePage::onSetCurrentGamePadModeIndex(int gamePadIndex)
{
    if (!m_currentKeyboardLink)
        return;
    const QPointer<DDeviceKeyboardLink> link = m_currentKeyboardLink;
    askYesNo(QObject::tr("Tip"), QObject::tr("Note that the device will restart!"),
             [this, link, gamePadIndex](bool yes) {
                 if (!yes) {
                     performancePage()->updateGamePadModeShow();
                     return;
                 }
                 // Only the keyboard the question was about restarts.
                 if (isShownLink(link))
                     link->sendSetGamePadMode(gamePadIndex);
             });
}

void DDevicePage::onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4)
{
    if (m_currentKeyboardLink)
        m_currentKeyboardLink->sendLockWin(feature1, feature2, feature3, feature4);
}

// ---- macro copies -----------------------------------------------------------------

void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName);
    // Two empty texts: the last macro went, and no copy has anything new.
    bool isNumber = false;
    const int macroIndex = strMacroIndex.toInt(&isNumber);
    if (!isNumber || macroIndex <= 0)
        return;
    // A key plays its profile's copy of the macro, and a download sends the
    // copies of both layers of the keyboard: every copy, in every profile of
    // every keyboard, takes the new events.
    DDataManager *data = DDataManager::getInstance();
    char macroPath[DDataManager::PathBufferSize] = {};
    data->copyMacroXmlPath(macroPath);
    const MacroCopyRefresh::Outcome outcome =
        MacroCopyRefresh::refreshAll(data->userConfigDir(), QByteArray(macroPath), macroIndex);
    if (!outcome.macroRead) {
        // The profiles keep their copies rather than empty ones.
        qDebug().noquote() << "Macro" << strMacroIndex << "unreadable; the profiles keep their copies";
        return;
    }
    if (!outcome.failedFiles.isEmpty())
        m_notice->showNotice(QObject::tr("The macro could not be updated in every profile, please try again"),
                             noticePoint());
}

// ---- developer controls of the keyboard view --------------------------------------

void DDevicePage::on_pushButton_ChangModeTest_clicked()
{
    m_lightViewTest = !m_lightViewTest;
    if (!m_hidDeviceJoinFrame || !m_dragShowArea)
        return;
    if (m_lightViewTest) {
        m_hidDeviceJoinFrame->lower();
        m_dragShowArea->raise();
        m_dragShowArea->show();
        m_hidDeviceJoinFrame->setLightShowMode(true);
        ui->label_ChangModeTest->setText(QStringLiteral("Light"));
    } else {
        m_dragShowArea->lower();
        m_hidDeviceJoinFrame->raise();
        m_hidDeviceJoinFrame->show();
        m_hidDeviceJoinFrame->setLightShowMode(false);
        ui->label_ChangModeTest->setText(QStringLiteral("Keyboard"));
    }
}

void DDevicePage::on_pushButton_Test_clicked()
{
    if (m_hidDeviceJoinFrame)
        qDebug() << "Keyboard view canvas y:" << m_hidDeviceJoinFrame->canvasPosY();
}
