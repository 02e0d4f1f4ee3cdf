// One row of the firmware information dialog: a keyboard's identity texts
// and model on the first line, its firmware version and build date on the
// second.
#ifndef DFIRWAREINFOITEM_H
#define DFIRWAREINFOITEM_H

#include <QString>
#include <QWidget>

namespace Ui {
class DFirwareInfoItem;
}

class DFirwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit DFirwareInfoItem(QWidget *parent = nullptr);
    ~DFirwareInfoItem() override;

    // First line: the key without everything up to and including its first
    // "-" (the whole key when it has none); second line: the value.
    void setInfo(QString key, QString value);

private:
    friend class tst_FirmwareInfo;
    Ui::DFirwareInfoItem *ui;
};

#endif
