// The "Launch Application" key-function page: the user picks a program (or
// a desktop launcher, or any other file) in a file dialog, and the selected
// key then starts it on the computer (type 8, the path in UTF-8 as value).
// A choice is stored at once; cancelling the dialog changes nothing.
#ifndef DKEYWITHAPPPAGE_H
#define DKEYWITHAPPPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DKeyWithAppPage;
}

class DKeyWithAppPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithAppPage(QWidget *parent = nullptr);
    ~DKeyWithAppPage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    // Where the dialog opens: the desktop folder, or home without one.
    static QString startFolder();
    // The dialog's filters, translated.
    static QStringList fileFilters();

private slots:
    void on_pushButton_selectAppPath_clicked();

private:
    void setTexts();
    void onFileChosen(const QString &fileName);
    void saveKeyOperateInfo();

    Ui::DKeyWithAppPage *ui;
    QString m_chosenPath;
};

#endif
