#include "ui/mainwidget/devicePage/customKeys/DMultimediaPage.h"

#include "core/KeyFunctionNames.h"

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Multimedia));
}
