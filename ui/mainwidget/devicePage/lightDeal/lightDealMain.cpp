#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "device/MainHidInterFace.h"

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent)
{
}

lightDealMain::~lightDealMain() = default;

void lightDealMain::setDeviceInfo(hidStructInfoAll info)
{
    m_deviceInfo = info;
}

void lightDealMain::setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side)
{
    Q_UNUSED(keyboard);
    Q_UNUSED(side);
}

void lightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

MainHidInterFace *lightDealMain::hidInterface() const
{
    return m_hidInterface;
}

void lightDealMain::setMusicBandLayout(int keyCount, int bandCount, double lowFrequency, double highFrequency)
{
    Q_UNUSED(keyCount);
    Q_UNUSED(bandCount);
    Q_UNUSED(lowFrequency);
    Q_UNUSED(highFrequency);
}

void lightDealMain::loadProFileLightInfo() {}

void lightDealMain::setKeyboardColorInfo(colorInfoData data)
{
    Q_UNUSED(data);
}

void lightDealMain::setSideColorInfo(colorInfoData data)
{
    Q_UNUSED(data);
}

void lightDealMain::changeKeyboardColorInfo(colorInfoData data)
{
    Q_UNUSED(data);
}

void lightDealMain::changeSideColorInfo(colorInfoData data)
{
    Q_UNUSED(data);
}

void lightDealMain::setPreviewPaintEnabled(bool enabled)
{
    Q_UNUSED(enabled);
}

void lightDealMain::setLightPreviewRunning(bool running)
{
    Q_UNUSED(running);
}

void lightDealMain::setLightSynchronize(bool on)
{
    Q_UNUSED(on);
}

void lightDealMain::setInteractLightPoint(int row, int column)
{
    Q_UNUSED(row);
    Q_UNUSED(column);
}

void lightDealMain::writeCustomLightColors(int fromEdit, int usingFlagIndex)
{
    Q_UNUSED(fromEdit);
    Q_UNUSED(usingFlagIndex);
}

void lightDealMain::setKeyButton(int row, int column, keyboardButCustom *button)
{
    if (row < 0 || row >= Rows || column < 0 || column >= Columns)
        return;
    m_keyTable[row][column] = button;
}

keyboardButCustom *lightDealMain::keyButton(int row, int column) const
{
    if (row < 0 || row >= Rows || column < 0 || column >= Columns)
        return nullptr;
    return m_keyTable[row][column];
}
