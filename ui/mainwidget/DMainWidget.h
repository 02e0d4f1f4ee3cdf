// The main window.
#ifndef DMAINWIDGET_H
#define DMAINWIDGET_H

#include <QWidget>

class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DMainWidget(QWidget *parent = nullptr);
    ~DMainWidget() override;

    // Sets the resize cursor when the pointer is over an edge of the frameless window.
    void hitTestResizeEdge(int globalX, int globalY);
};

#endif
