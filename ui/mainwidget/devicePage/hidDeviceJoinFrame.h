// The keyboard view: a canvas of the model's size holding three stacked
// layers (the keyboard picture, an empty colour layer and the key buttons),
// scaled by a zoom factor. It keeps the multi-selection of keys that the
// drag overlay makes, finds the key under a point and toggles it.
#ifndef HIDDEVICEJOINFRAME_H
#define HIDDEVICEJOINFRAME_H

#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QVector>
#include <QWidget>

#include "sdk/include/LumtarHid.h"
#include "ui/mainwidget/devicePage/KeyLayoutInfoStu.h"

class keyboardButCustom;
class keyboardImageFrameItem;
class keyColorRgbFrameItem;
class keySelectFrame;

namespace Ui {
class hidDeviceJoinFrame;
}

class hidDeviceJoinFrame : public QWidget
{
    Q_OBJECT

public:
    // The view's rounding of a non-negative scaled length: the integer part,
    // plus one when the first decimal is 4 or more.
    static int roundScaled(float v);

    explicit hidDeviceJoinFrame(QWidget *parent = nullptr);
    ~hidDeviceJoinFrame() override;

    void loadKeyboard(hidStructInfoAll info);
    void setZoom(float factor);
    // The canvas size at a zoom factor.
    QSize canvasSizeAt(float factor) const;
    // The largest zoom, from `limit` down in steps of 0.1 to no less than
    // 0.5, at which the canvas fits `room`.
    float zoomToFit(const QSize &room, float limit) const;
    void selectKeysInRect(int startX, int startY, int endX, int endY);
    void hoverKeyAt(int x, int y, int mode);
    void toggleHoveredKey(bool pressed);
    void setLightShowMode(bool lightMode);
    void resetKeyStates();
    void setPictureVariant(int variant);
    int canvasPosY() const;

    QList<keyboardButCustom *> selectedKeys() const { return m_selectedKeys; }
    keyboardButCustom *hoveredKey() const { return m_hoveredKey; }
    float zoomFactor() const { return m_zoomFactor; }
    bool isMouseHeld() const { return m_mouseHeld; }
    QString modelName() const { return m_modelName; }
    // The canvas: its size at factor 1, and its frame (position and size now).
    QSize baseCanvasSize() const { return m_baseCanvasSize; }
    QWidget *canvas() const;
    keySelectFrame *keyLayer() const { return m_keyLayer; }
    keyboardImageFrameItem *pictureLayer() const { return m_pictureLayer; }
    keyColorRgbFrameItem *colourLayer() const { return m_colourLayer; }
    // The key records by matrix place and the first record of each row.
    KeyLayoutInfoStu keyRecordAt(int row, int column) const;
    QVector<KeyLayoutInfoStu> rowHeads() const { return m_rowHeads; }

signals:
    void sigDragAreaMoveOneKey(bool isSelectedOneKey);
    void sigTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);

public slots:
    void onKeyboardAlreadyLoad();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint canvasPos() const;

    Ui::hidDeviceJoinFrame *ui;
    QString m_modelName;
    QSize m_modelBaseSize;
    QSize m_baseCanvasSize;
    float m_zoomFactor = 1.0f;
    bool m_mouseHeld = false;
    QList<keyboardButCustom *> m_selectedKeys;
    QPointer<keyboardButCustom> m_hoveredKey;
    KeyLayoutInfoStu m_keyTable[6][22] = {};
    QVector<KeyLayoutInfoStu> m_rowHeads;
    QWidget *m_container = nullptr;
    keySelectFrame *m_keyLayer = nullptr;
    keyColorRgbFrameItem *m_colourLayer = nullptr;
    keyboardImageFrameItem *m_pictureLayer = nullptr;
};

#endif
