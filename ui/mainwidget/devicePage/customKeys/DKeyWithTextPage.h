// The "Text" key-function page: the user types a text of up to 5000
// characters and confirms it with OK; the selected key then types that text
// on the computer (type 6, the text in UTF-8 as value). Cancel stores
// nothing and returns the host to its Default page.
#ifndef DKEYWITHTEXTPAGE_H
#define DKEYWITHTEXTPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DKeyWithTextPage;
}

class DKeyWithTextPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    // The most UTF-16 code units the box keeps.
    static constexpr int MaxTextLength = 5000;

    explicit DKeyWithTextPage(QWidget *parent = nullptr);
    ~DKeyWithTextPage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    // The box's plain text, as OK would store it.
    QString currentText() const;

signals:
    void sigClickedCancel();

private slots:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();
    void onScrollSheetSet();

private:
    void setTexts();
    void saveKeyOperateInfo();

    Ui::DKeyWithTextPage *ui;
    QString m_scrollSheet;
};

#endif
