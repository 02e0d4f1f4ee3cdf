// The invisible start widget: reports a successful start at once.
#ifndef DLOGINWIDGET_H
#define DLOGINWIDGET_H

#include <QWidget>

namespace Ui {
class DLoginWidget;
}

class DLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DLoginWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~DLoginWidget() override;

    void login();

signals:
    void sigLoginFinished(bool ok);

private slots:
    void on_pushButton_Login_clicked();

private:
    Ui::DLoginWidget *ui;
};

#endif
