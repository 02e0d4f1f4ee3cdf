// Resetting and restoring the current profile. A restore makes the profile
// anew under its index and name with the defaults of a new profile, in one
// write, and tells the keyboard to reset. A reset first has the keyboard
// restore its default travel, reads the travel of every key back on a
// magnetic-switch keyboard and then restores; its waits are the steps of a
// ProfileResetSequence, and the profile controls stay disabled meanwhile.
// Neither runs while a download, an enumeration or an open runs.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/ProfileResetSequence.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CbNotice.h"

bool DDevicePage::isProfileResetRunning() const
{
    return m_profileReset && m_profileReset->isRunning();
}

// ---- restore ----------------------------------------------------------------------

void DDevicePage::onResetoreCurrentProfile()
{
    if (refuseProfileWork())
        return;
    restoreProfile(QByteArray(m_profileFiles.xmlProfilePath()), m_currentProfileIndex);
}

bool DDevicePage::restoreProfile(const QByteArray &profilePath, int profileIndex)
{
    const char *path = profilePath.constData();
    const QByteArray indexText = QByteArray::number(profileIndex);
    const bool shownFile = profilePath == m_profileFiles.xmlProfilePath();
    ProfileNodeInfoStu node{};
    bool restored = CLumtarXML_SelectProfileNodeInfo(path, indexText.constData(), &node);
    if (restored) {
        // Nothing of the old profile is left, and it is never missing: the
        // new one replaces it in the same write.
        LumtarXmlBatch batch(path);
        restored = CLumtarXML_DeleteProFileSelectedNode(path, indexText.constData())
            && CLumtarXML_CreateProFileXmlParentNode(path, indexText.constData(), node.name, 0);
        if (restored) {
            ProfileFolder::addDefaultLightInfo(path, profileIndex, DDataManager::getInstance()->isLightSynchronize());
            ProfileFolder::addDefaultCustomLightNodes(path, profileIndex, defaultCustomLightFile());
        }
        restored = batch.commit() && restored;
    }
    if (!restored) {
        qDebug().noquote() << "Restore profile failed:" << profilePath << profileIndex;
        // The page stays on a profile the file has.
        keepListedProfileCurrent(profilePath);
        if (shownFile)
            loadProfileKeyAndLightInfo();
        m_notice->showNotice(QObject::tr("Operate failed"), noticePoint());
        return false;
    }
    if (shownFile)
        loadProfileKeyAndLightInfo();
    if (m_currentKeyboardLink)
        m_currentKeyboardLink->sendReset();
    m_notice->showNotice(QObject::tr("Operate successful"), noticePoint());
    if (m_currentKeyboardLink)
        m_currentKeyboardLink->sendCheckSleepTime();
    return true;
}

// ---- reset ------------------------------------------------------------------------

void DDevicePage::on_pushButton_Reset_clicked()
{
    if (refuseProfileWork())
        return;
    const QPointer<DDeviceKeyboardLink> link = m_currentKeyboardLink;
    const QByteArray path(m_profileFiles.xmlProfilePath());
    askYesNo(QObject::tr("Tip"), QObject::tr("Whether to reset the current profile?"), [this, link, path](bool yes) {
        if (!yes)
            return;
        // The keyboard shown may have changed while the question was open.
        if (!isShownLink(link) || path != m_profileFiles.xmlProfilePath() || refuseProfileWork())
            return;
        startProfileReset();
    });
}

void DDevicePage::startProfileReset()
{
    m_resetProfilePath = QByteArray(m_profileFiles.xmlProfilePath());
    m_resetProfileIndex = m_currentProfileIndex;
    setProfileControlsEnabled(false);
    stopLightEngine();
    qDebug() << "Reset the current hid [Start]";
    QVector<KeyTravelReader::Key> keys;
    DDataManager *data = DDataManager::getInstance();
    if (data->hidDeviceType() == 4) {
        onMagnetsKeyboardDefaultSensitivity();
        for (keyboardButCustom *key : data->keyButtonList())
            if (key && key->keyCode() != 0)
                keys.append({key->keyCode(), key->gridRow(), key->gridColumn()});
    }
    m_profileReset->start(m_currentKeyboardLink, keys,
                          [this](int row, int column) { onQueryDynamicDisplaySensitivityNum(row, column); });
}

void DDevicePage::onProfileResetTravelRead(const QVector<KeyTravelReader::Travel> &travels)
{
    if (!isShownLink(m_profileReset->link())) {
        m_profileReset->abort();
        endProfileReset();
        return;
    }
    applyKeyTravels(travels);
}

void DDevicePage::onProfileResetRestoreDue()
{
    // A keyboard that went away or was replaced is not reset.
    if (isShownLink(m_profileReset->link())) {
        restoreProfile(m_resetProfilePath, m_resetProfileIndex);
        startLightEngine();
        qDebug() << "Reset the current hid [End]";
    } else {
        qDebug() << "Reset the current hid [Ended before its last step]";
    }
    endProfileReset();
}

void DDevicePage::endProfileReset()
{
    m_resetProfilePath.clear();
    setProfileControlsEnabled(true);
}

void DDevicePage::applyKeyTravels(const QVector<KeyTravelReader::Travel> &travels)
{
    for (const KeyTravelReader::Travel &travel : travels) {
        keyboardButCustom *key = keyButtonAt(travel.row, travel.column);
        if (key && travel.values.size() >= 6)
            key->setTravelValues(travel.values.at(0), travel.values.at(1), travel.values.at(2), travel.values.at(3),
                                 travel.values.at(4), travel.values.at(5), false);
    }
}
