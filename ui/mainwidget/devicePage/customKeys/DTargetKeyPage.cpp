#include "ui/mainwidget/devicePage/customKeys/DTargetKeyPage.h"

#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"
#include "widgets/ArrowWidget.h"

DTargetKeyPage::DTargetKeyPage(int multiSelectMode, QWidget *parent)
    : DKeyFunctionPage(parent)
{
    // Building the virtual keyboard loads the soft-keyboard layout and with
    // it the application's key maps.
    m_virtualKeyboard = new DVirtualKeyboardTool(multiSelectMode, this);
    m_popup = new ArrowWidget(1, this);
    m_popup->setWidgetSize(1050, 345);
    m_popup->setArrowPos(460);
    m_popup->setCenterWidget(m_virtualKeyboard);
}
