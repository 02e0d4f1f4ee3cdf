// The key-button layer of the keyboard view: reads the shown model's key
// layout file, lays one key button per key cell and one segment per
// side-light segment over the keyboard picture, and registers the keys with
// the shared state, through which every page colours, marks and queries them.
// It selects the clicked key and shows a card with the key's stored function
// while the pointer rests on a key.
#ifndef KEYSELECTFRAME_H
#define KEYSELECTFRAME_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

#include "sdk/include/LumtarHid.h"
#include "ui/mainwidget/devicePage/KeyLayoutInfoStu.h"

class ArrowWidget;
class DCustomEventTipExplain;
class keyboardButCustom;
class sideLightButtonCustom;

namespace Ui {
class keySelectFrame;
}

class keySelectFrame : public QWidget
{
    Q_OBJECT

public:
    // Where the layout files lie among the embedded resources.
    static QString layoutResourcePath(const QString &modelName);

    explicit keySelectFrame(QWidget *parent = nullptr);
    ~keySelectFrame() override;

    void setKeyboardModel(HidDeviceInfoStu info);
    void loadKeyboardInfo(QString modelName);
    // Builds the layer from the text of a layout file; fileName names the
    // file in the log. A malformed text is refused whole and leaves the
    // layer without keys. Returns whether the layer was built.
    bool parseKeyboardInfo(const QByteArray &text, const QString &fileName);

    void setKeysMode(bool lightMode, bool hoverEnabled);
    void setKeysHoverEnabled(bool enabled);
    void setLightShowMode(bool lightMode);
    void setCalibrationShowMode(bool show);
    void setSideLightsVisible(bool visible);
    void clearHoverTip();

    QMap<int, keyboardButCustom *> keyButtonMap() const { return m_keyButtonMap; }
    QVector<KeyLayoutInfoStu> keyLayoutRecords() const { return m_keyRecords; }
    QVector<KeyLayoutInfoStu> sideLightRecords() const { return m_sideLightRecords; }
    QMap<int, sideLightButtonCustom *> sideLightMap() const { return m_sideLightMap; }
    QList<sideLightButtonCustom *> sideLightButtons() const { return m_sideLights; }
    bool hasSideLights() const { return m_hasSideLights; }

    QString modelName() const { return m_modelName; }
    bool hasSpecialEnterKey() const { return m_specialEnterKey; }
    int specialEnterKeyShape() const { return m_specialEnterKeyShape; }
    int hidDeviceType() const { return m_hidDeviceType; }
    // All 132 key buttons in file order (row by row), and one by matrix place.
    QList<keyboardButCustom *> keyButtonList() const { return m_keyButtons; }
    keyboardButCustom *keyButtonAt(int row, int column) const;
    keyboardButCustom *clickedKey() const { return m_clickedKey; }
    // The hover card while it is shown, else null.
    ArrowWidget *hoverTip() const { return m_tip; }
    DCustomEventTipExplain *hoverTipContent() const { return m_tipContent; }

signals:
    void sigKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();
    void ontheArrowWillHide();
    void onArrowWidgetMouseEnter();
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum);

private:
    static constexpr int MarginX = 10;
    static constexpr int MarginY = 10;

    void clearLayer();
    // Leaves the layer and the shared state without keys after a failed load.
    void publishNoKeys();
    QString reportedCaption(const keyboardButCustom *key) const;

    Ui::keySelectFrame *ui;
    QString m_modelName;
    bool m_hasSideLights = false;
    bool m_specialEnterKey = false;
    int m_specialEnterKeyShape = 0;
    int m_hidDeviceType = 0;

    QList<sideLightButtonCustom *> m_sideLights;
    QVector<KeyLayoutInfoStu> m_sideLightRecords;
    QMap<int, sideLightButtonCustom *> m_sideLightMap;

    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<keyboardButCustom *> m_keyButtons;
    keyboardButCustom *m_keyGrid[6][22] = {};
    QVector<KeyLayoutInfoStu> m_keyRecords;

    QPointer<keyboardButCustom> m_clickedKey;
    ArrowWidget *m_tip = nullptr;
    DCustomEventTipExplain *m_tipContent = nullptr;
};

#endif
