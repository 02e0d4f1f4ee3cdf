// The firmware information dialog: the firmware identity texts that the
// device SDK reports for every attached keyboard, one row per identity.
#ifndef DFIRWAREINFOSHOW_H
#define DFIRWAREINFOSHOW_H

#include <QDialog>

class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    explicit DFirwareInfoShow(QWidget *parent = nullptr);
};

#endif
