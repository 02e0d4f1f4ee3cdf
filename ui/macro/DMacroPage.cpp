#include "ui/macro/DMacroPage.h"

#include "ui/DialogScaffold.h"

#include "sdk/include/LumtarHid.h"

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
{
    buildDialogScaffold(this, QStringLiteral("DMacroPage"), QSize(1050, 750));
}

DMacroPage::~DMacroPage() = default;

void DMacroPage::setMacroXmlPath(const char *path)
{
    lumtarCopyField(m_macroXmlPath, path);
}

void DMacroPage::on_pushButton_Close_clicked()
{
    emit sigMacroPageClose();
    close();
}
