// The colour layer of the keyboard view, between the picture and the keys.
// It draws nothing of its own.
#ifndef KEYCOLORRGBFRAMEITEM_H
#define KEYCOLORRGBFRAMEITEM_H

#include <QWidget>

namespace Ui {
class keyColorRgbFrameItem;
}

class keyColorRgbFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyColorRgbFrameItem(QWidget *parent = nullptr);
    ~keyColorRgbFrameItem() override;

private:
    Ui::keyColorRgbFrameItem *ui;
};

#endif
