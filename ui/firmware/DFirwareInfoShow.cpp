#include "ui/firmware/DFirwareInfoShow.h"

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DFirwareInfoShow"));
    setWindowTitle(tr("Firmware Info"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(350, 370);
}
