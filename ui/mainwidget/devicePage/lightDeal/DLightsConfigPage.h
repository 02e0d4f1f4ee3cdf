// The lighting page: keyboard and side light modes, colours, brightness,
// speed, direction and the custom per-key schemes.
#ifndef DLIGHTSCONFIGPAGE_H
#define DLIGHTSCONFIGPAGE_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include "sdk/include/LumtarRecords.h"

class MainHidInterFace;

class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);
    ~DLightsConfigPage() override;

    void setCurrentProfileIndex(int index);
    void setXmlProfilePath(const char *path);
    void setHidInterface(MainHidInterFace *hidInterface);
    MainHidInterFace *hidInterface() const;
    void setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side);
    void reloadLightConfig();
    void sendSideLightConfig(colorInfoData data);
    void showLightTypeFromDevice(int hidType, int ledType);
    void showCustomLightFromDevice(int hidType, int ledType, int usingCustomIndex);
    int currentCustomLightIndex() const;
    void writeCurrentCustomLight();
    void updateAllUI();
    void updateAppTheme();

signals:
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void sigSomeMessageTip_LightsConfigPage(QString strTip);

private:
    int m_currentProfileIndex = 1;
    char m_xmlProfilePath[256] = {};
    // Guarded: the interface goes with its keyboard's link.
    QPointer<MainHidInterFace> m_hidInterface;
    // The custom slot the keyboard last reported in use; -1 before any.
    int m_customSlotFromDevice = -1;
};

#endif
