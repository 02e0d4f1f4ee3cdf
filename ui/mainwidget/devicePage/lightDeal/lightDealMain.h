// The lighting engine: previews light effects on the keyboard view and
// streams frames to the shown keyboard.
#ifndef LIGHTDEALMAIN_H
#define LIGHTDEALMAIN_H

#include <QList>
#include <QObject>
#include <QPointer>

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarRecords.h"

class MainHidInterFace;
class keyboardButCustom;

class lightDealMain : public QObject
{
    Q_OBJECT

public:
    static constexpr int Rows = 6;
    static constexpr int Columns = 22;

    explicit lightDealMain(QObject *parent = nullptr);
    ~lightDealMain() override;

    void setDeviceInfo(hidStructInfoAll info);
    void setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side);
    void setHidInterface(MainHidInterFace *hidInterface);
    MainHidInterFace *hidInterface() const;
    void setMusicBandLayout(int keyCount, int bandCount, double lowFrequency, double highFrequency);
    void loadProFileLightInfo();
    void setKeyboardColorInfo(colorInfoData data);
    void setSideColorInfo(colorInfoData data);
    void changeKeyboardColorInfo(colorInfoData data);
    void changeSideColorInfo(colorInfoData data);
    void setPreviewPaintEnabled(bool enabled);
    void setLightPreviewRunning(bool running);
    bool isKeyboardPreviewRunning() const { return m_keyboardPreviewRunning; }
    bool isSidePreviewRunning() const { return m_sidePreviewRunning; }
    void setLightSynchronize(bool on);
    void setInteractLightPoint(int row, int column);
    void writeCustomLightColors(int fromEdit, int usingFlagIndex);

    // The key table the device page fills before it starts the engine.
    void setKeyButton(int row, int column, keyboardButCustom *button);
    keyboardButCustom *keyButton(int row, int column) const;
    void setKeyButtonList(const QList<keyboardButCustom *> &buttons) { m_keyButtonList = buttons; }

private:
    hidStructInfoAll m_deviceInfo{};
    // Guarded: the interface goes with its keyboard's link.
    QPointer<MainHidInterFace> m_hidInterface;
    keyboardButCustom *m_keyTable[Rows][Columns] = {};
    QList<keyboardButCustom *> m_keyButtonList;
    bool m_keyboardPreviewRunning = false;
    bool m_sidePreviewRunning = false;
};

#endif
