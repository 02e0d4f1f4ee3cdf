// The lighting page: keyboard and side light modes, colours, brightness,
// speed, direction and the custom per-key schemes. Every edit is stored in
// the current profile, told to the device page and sent to the keyboard.
#ifndef DLIGHTSCONFIGPAGE_H
#define DLIGHTSCONFIGPAGE_H

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/DDataManager.h"
#include "sdk/include/LumtarRecords.h"

class ArrowWidget;
class DCustomLightListItem;
class DToolTipExplain;
class MainHidInterFace;
class QAbstractButton;
class QButtonGroup;
class QLayout;
class SVColorArea;
class sliderCustomWidget;

namespace Ui {
class DLightsConfigPage;
}

class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    // Id of the keyboard/side switch's hover tip.
    static constexpr int SwitchTipId = 900;

    explicit DLightsConfigPage(QWidget *parent = nullptr);
    ~DLightsConfigPage() override;

    // Called by the device page whenever it (re)loads the shown profile.
    void setCurrentProfileIndex(int index);
    void setXmlProfilePath(const char *path);
    void setHidInterface(MainHidInterFace *hidInterface);
    MainHidInterFace *hidInterface() const;
    void setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side);
    void reloadLightConfig();
    void showLightTypeFromDevice(int hidType, int ledType);
    void showCustomLightFromDevice(int hidType, int ledType, int usingCustomIndex);
    void sendSideLightConfig(colorInfoData data);
    // The index of the selected scheme row, -1 with none.
    int currentCustomLightIndex() const;
    void writeCurrentCustomLight();
    void updateAllUI();
    void updateAppTheme();

    // Edits and reports.
    void applyLightConfigChanged(int lightConfigChangedFrom);
    void writeKeyboardLightConfig(colorInfoData data);
    void writeSideLightConfig(colorInfoData data);
    void showKeyboardModeControls(int code);
    void showSideModeControls(int code);
    void showCurrentModeButton(int kind);

    // Custom schemes.
    void loadCustomLightList();
    void writeCustomLightColors(int slot);
    void writeCustomLightPacket(int slot, int packet, QList<int> values);

    // What tests and the device page may read back.
    colorInfoData currentColorInfo() const { return m_currentColorInfo; }
    int keyboardModeCode() const { return m_keyboardModeCode; }
    int sideModeCode() const { return m_sideModeCode; }
    bool isKeyboardPageShown() const { return m_keyboardPageShown; }
    bool isWheelPressed() const { return m_wheelPressed; }
    int currentFlagIndex() const { return m_currentFlagIndex; }
    QList<DCustomLightListItem *> customItems() const { return m_customItems; }
    DCustomLightListItem *selectedCustomItem() const { return m_selectedCustomItem; }
    SVColorArea *colorWheel() const { return m_colorWheel; }
    sliderCustomWidget *brightnessSlider() const { return m_brightnessSlider; }
    sliderCustomWidget *speedSlider() const { return m_speedSlider; }
    ArrowWidget *modeTipPopup() const { return m_modeTipPopup; }
    QStringList paletteColors() const { return m_paletteColors; }

signals:
    void sigSomeMessageTip_LightsConfigPage(QString strTip);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);

public slots:
    void onCurIndexChanged_KB_LightMode(int indexSel);
    void onCurIndexChanged_Side_LightMode(int indexSel);
    void onCurIndexChanged_LightTopOrBottomColor(int selIndex);
    void onCurIndexChanged_LedDirection(int selIndex);
    void onBackCurrentPositionNum_Brightness(int currPositionIndex);
    void onBackCurrentPositionNum_Speed(int currPositionIndex);
    void onGetRGB(int r, int g, int b);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void onColorItemSelcSignal(QColor color);
    void onInstallEventFilterOpen();
    void onScrollSheetSet();
    void onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void onCustomLightUsingStatus(bool isUsing);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onModifyCustomLightItemNameFailed();

private slots:
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);
    void on_toolButton_LightSelectTypeChanged_clicked();
    void on_checkBox_FullColorMode_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setTexts();
    void loadColorInfo(int kind);
    void setModeButtonIcons(int kind);
    void setPaletteColors();
    void applyPaletteColor(const QString &rgbText);
    void applyRedComponent(int value);
    void applyGreenComponent(int value);
    void applyBlueComponent(int value);
    void showModeTip(int id);
    void clearCustomLightList();
    void writeUsingCustomLight(QString schemeIndex, int flagIndex, int unused);
    void showColor(int r, int g, int b);
    void setColorShowStyle(int r, int g, int b);
    void setSwatchStyle(QAbstractButton *swatch, int r, int g, int b);
    void stageColor(int r, int g, int b);
    void componentTextChanged(int component, const QString &text);
    void setSliderSteps(const LightSupportInfo &support);
    void setModeCaption(int kind, int code);
    bool queueReport(const char *report, const char *failureLine);
    QByteArray profileText() const;
    // Unchecks every button of an exclusive group, which by itself keeps one.
    static void uncheckAll(QButtonGroup *group);

    Ui::DLightsConfigPage *ui;
    char m_profilePath[DDataManager::PathBufferSize] = {};
    int m_profileIndex = 1;
    QString m_borderColorText = QStringLiteral("52, 52, 86");
    QString m_highlightColorText = QStringLiteral("255, 143, 31");
    QString m_currentModeName;
    // Guarded: the interface goes with its keyboard's link.
    QPointer<MainHidInterFace> m_hidInterface;
    // One tip popup, made at the first hover and reused.
    ArrowWidget *m_modeTipPopup = nullptr;
    DToolTipExplain *m_modeTip = nullptr;
    SVColorArea *m_colorWheel = nullptr;
    int m_editRed = 0;
    int m_editGreen = 0;
    int m_editBlue = 0;
    bool m_wheelPressed = false;
    int m_lastComponentValue = 0;
    bool m_colorFromEdits = false;
    QStringList m_paletteColors;
    bool m_keyboardPageShown = true;
    sliderCustomWidget *m_brightnessSlider = nullptr;
    sliderCustomWidget *m_speedSlider = nullptr;
    LightSupportInfo m_keyboardSupport;
    LightSupportInfo m_sideSupport;
    colorInfoData m_currentColorInfo{};
    int m_topColor[3] = {0, 0, 0};
    int m_bottomColor[3] = {0, 0, 0};
    int m_keyboardModeCode = -1;
    int m_sideModeCode = -1;
    QLayout *m_customListLayout = nullptr;
    DCustomLightListItem *m_selectedCustomItem = nullptr;
    QList<DCustomLightListItem *> m_customItems;
    int m_currentFlagIndex = -1;
    bool m_resetUsingIndexOnCustom = true;
    QString m_scrollBarStyle;

    QButtonGroup *m_keyboardModeGroup = nullptr;
    QButtonGroup *m_sideModeGroup = nullptr;
    QButtonGroup *m_colorChoiceGroup = nullptr;
    QButtonGroup *m_directionGroup = nullptr;
};

#endif
