// The picture layer of the keyboard view: the model's keyboard picture,
// a file beside the program, stretched over the whole layer, on the view's
// ground. The layer is opaque: the light preview repaints the keys over it
// 33 times a second, and nothing beneath it is painted again for that.
#ifndef KEYBOARDIMAGEFRAMEITEM_H
#define KEYBOARDIMAGEFRAMEITEM_H

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "sdk/include/LumtarHid.h"

namespace Ui {
class keyboardImageFrameItem;
}

class keyboardImageFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyboardImageFrameItem(QWidget *parent = nullptr);
    ~keyboardImageFrameItem() override;

    // The picture file of a model, or of one of its keyboard-mode variants
    // (0, 1, 2; any other variant is the plain picture).
    static QString picturePath(const QString &modelName, int variant = -1);

    void setKeyboardModel(HidDeviceInfoStu info);
    void setPictureVariant(int variant);

    QString modelName() const { return m_modelName; }
    // The picture shown, empty when its file is missing.
    QString shownPicture() const { return m_shownPicture; }
    // The colour around and beneath the picture (where it is transparent).
    void setGround(const QColor &ground);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showPicture(const QString &path);
    // The picture at the layer's size on the ground, made when either changed.
    const QPixmap &scaledPicture();

    Ui::keyboardImageFrameItem *ui;
    QString m_modelName;
    QString m_shownPicture;
    QPixmap m_picture;
    QPixmap m_scaled;
    QColor m_ground = Qt::black;
};

#endif
