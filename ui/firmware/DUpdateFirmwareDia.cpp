#include "ui/firmware/DUpdateFirmwareDia.h"

#include "ui/DialogScaffold.h"

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent)
    : QWidget(parent)
{
    buildDialogScaffold(this, QStringLiteral("DUpdateFirmwareDia"), QSize(740, 520));
}

DUpdateFirmwareDia::~DUpdateFirmwareDia() = default;

void DUpdateFirmwareDia::setDevices(QMap<QString, QString> likeNames, QList<hidStructInfoAll> candidates)
{
    m_likeNames = likeNames;
    m_candidates = candidates;
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    emit sigUpdateFirmwareWindowClose();
    close();
}
