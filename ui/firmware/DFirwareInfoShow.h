// The firmware information dialog, a hidden diagnostic window opened from
// the settings dialog: the firmware identity texts the device SDK reports
// for the attached keyboards, one row per distinct identity and model, in
// the order of that text. Listed once, 200 ms after it is made.
#ifndef DFIRWAREINFOSHOW_H
#define DFIRWAREINFOSHOW_H

#include <QDialog>
#include <QMap>
#include <QPair>
#include <QString>

#include "sdk/include/LumtarHid.h"

class QVBoxLayout;

namespace Ui {
class DFirwareInfoShow;
}

class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int LoadDelayMs = 200;

    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

    // Replaces the rows with one per entry, in key order.
    void fillRows(QMap<QString, QString> rows);
    // Removes every row; the closing spacer stays.
    void clearRows();

    // The listing entry of one firmware record: key chip family + two-digit
    // code + device class + customer code + "," + model, value version +
    // "---" + date. Each text is read up to its field's end at most.
    static QPair<QString, QString> listingEntry(const FirmwareInfoStu &firmware);

public slots:
    void onLoadingFirmwareInfo();

private:
    friend class tst_FirmwareInfo;

    Ui::DFirwareInfoShow *ui;
    QVBoxLayout *m_rowsLayout = nullptr;
};

#endif
