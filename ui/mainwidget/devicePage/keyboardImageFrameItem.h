// The picture layer of the keyboard view: the model's keyboard picture,
// a file beside the program, stretched over the whole layer.
#ifndef KEYBOARDIMAGEFRAMEITEM_H
#define KEYBOARDIMAGEFRAMEITEM_H

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

private:
    void showPicture(const QString &path);

    Ui::keyboardImageFrameItem *ui;
    QString m_modelName;
    QString m_shownPicture;
};

#endif
