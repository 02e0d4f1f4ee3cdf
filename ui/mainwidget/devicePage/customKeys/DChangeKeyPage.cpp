#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"

#include "core/KeyFunctionNames.h"
#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"
#include "widgets/ArrowWidget.h"

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Remap));
    // The pop-up panel with the virtual keyboard (single selection); building
    // it loads the soft-keyboard layout and with it the shared key maps.
    m_virtualKeyboard = new DVirtualKeyboardTool(0, this);
    m_popup = new ArrowWidget(1, this);
    m_popup->setWidgetSize(1050, 345);
    m_popup->setArrowPos(460);
    m_popup->setCenterWidget(m_virtualKeyboard);
}
