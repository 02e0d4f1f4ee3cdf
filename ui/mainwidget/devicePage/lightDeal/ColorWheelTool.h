// An empty tool window for a larger colour wheel; nothing builds it yet.
#ifndef COLORWHEELTOOL_H
#define COLORWHEELTOOL_H

#include <QWidget>

namespace Ui {
class ColorWheelTool;
}

class ColorWheelTool : public QWidget
{
    Q_OBJECT

public:
    explicit ColorWheelTool(QWidget *parent = nullptr);
    ~ColorWheelTool() override;

private:
    Ui::ColorWheelTool *ui;
};

#endif
