#include "ui/mainwidget/devicePage/customKeys/DTargetKeyPage.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/DDataManager.h"
#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"
#include "widgets/ArrowWidget.h"
#include "widgets/StyleSheetUpdate.h"

namespace {

// The pop-up's top-left corner lies this far left of and above the field's
// bottom centre, so that its arrow points just above the field.
const QPoint kPopupOffset(467, 375);
const int kArrowPos = 460;

} // namespace

DTargetKeyPage::DTargetKeyPage(int multiSelectMode, QWidget *parent)
    : DKeyFunctionPage(parent)
    , m_multiSelectMode(multiSelectMode)
{
    // The application's key maps come from the soft-keyboard layout; the
    // keyboard itself is built with the pop-up, when first needed.
    DVirtualKeyboardTool::publishKeyMaps();
}

void DTargetKeyPage::buildPopup()
{
    if (m_popup)
        return;
    m_virtualKeyboard = new DVirtualKeyboardTool(m_multiSelectMode, this);
    m_virtualKeyboard->setWindowOpacity(1);
    connect(m_virtualKeyboard, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB, this,
            &DTargetKeyPage::onSoftKeyboardClicked_VirtualKB);
    m_popup = new ArrowWidget(1, this);
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, &DTargetKeyPage::onArrowWidgetHide);
    m_popup->setWindowOpacity(1);
    m_popup->setWidgetSize(1050, 345);
    m_popup->setArrowPos(kArrowPos);
    applyPopupTheme(DDataManager::getInstance()->themeColor());
    m_popup->setCenterWidget(m_virtualKeyboard);
}

ArrowWidget *DTargetKeyPage::popup()
{
    buildPopup();
    return m_popup;
}

DVirtualKeyboardTool *DTargetKeyPage::virtualKeyboard()
{
    buildPopup();
    return m_virtualKeyboard;
}

DTargetKeyPage::~DTargetKeyPage()
{
    // A capture never outlives its pop-up.
    closePopup();
}

void DTargetKeyPage::setForm(QLabel *title, const char *titleText, QLineEdit *field, const char *placeholder,
                             QFrame *selector, QRadioButton *lightPress, QRadioButton *heavyPress)
{
    m_title = title;
    m_titleText = titleText;
    m_field = field;
    m_placeholder = placeholder;
    m_selector = selector;
    m_lightPress = lightPress;
    m_heavyPress = heavyPress;

    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_field->installEventFilter(this);

    m_pressGroup = new QButtonGroup(this);
    m_pressGroup->addButton(m_lightPress, 0);
    m_pressGroup->addButton(m_heavyPress, 1);
    m_lightPress->setChecked(true);
    connect(m_pressGroup, &QButtonGroup::idClicked, this, &DTargetKeyPage::onCurIndexChanged_ModeSel);
    setTexts();
}

void DTargetKeyPage::setTexts()
{
    m_title->setText(QCoreApplication::translate("QObject", m_titleText));
    m_field->setPlaceholderText(QCoreApplication::translate("QObject", m_placeholder));
    m_lightPress->setText(QObject::tr("Light Press"));
    m_heavyPress->setText(QObject::tr("Heavy Press"));
}

void DTargetKeyPage::showText(const QString &text)
{
    m_field->clear();
    m_field->setMaxLength(qMax(1, text.size()));
    m_field->setText(text);
}

// ---- loading ---------------------------------------------------------------------

void DTargetKeyPage::loadKeyOperateInfo()
{
    m_keyItem = KeyItemIO::selectedKeyLightPress();
    m_keyNames = DDataManager::getInstance()->keyCodeNameMap();
    m_itemFound = false;
    m_lightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
    if (DDataManager::getInstance()->isMagneticKeyboard() && m_selectorAllowed) {
        m_selector->show();
        if (!m_itemFound) {
            m_heavyPress->setChecked(true);
            onCurIndexChanged_ModeSel(1);
        }
        if (!m_itemFound) {
            m_lightPress->setChecked(true);
            onCurIndexChanged_ModeSel(0);
        }
    } else {
        m_selector->hide();
    }
}

void DTargetKeyPage::onCurIndexChanged_ModeSel(int selIndex)
{
    m_keyItem = selIndex == 0 ? m_keyItem.withLightPress() : m_keyItem.withHeavyPress();
    m_field->clear();
    m_storedItem = m_keyItem.read();
    if (showItem(m_storedItem))
        m_itemFound = true;
}

void DTargetKeyPage::setLightHeavySelectVisible(bool visible)
{
    Q_UNUSED(visible);
    m_selector->hide();
    m_selectorAllowed = false;
}

// ---- the pop-up ------------------------------------------------------------------

bool DTargetKeyPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && isPopupOpen() && watched->isWidgetType()) {
        // A window manager may never give the pop-up (a tool-tip window) the
        // focus, so that it never loses activation: a press elsewhere in the
        // program, outside the pop-up and its field, closes it as well.
        auto *pressed = static_cast<QWidget *>(watched);
        if (pressed != m_popup && !m_popup->isAncestorOf(pressed) && pressed != m_field) {
            closePopup();
            return false;
        }
    }
    if (watched == m_field && event->type() == QEvent::FocusIn && !isPopupOpen()) {
        buildPopup();
        qApp->installEventFilter(this);
        m_popup->setPopupShown(true);
        popupOpened();
        // The field gives the focus away, so the next click opens the pop-up again.
        focusNextPrevChild(true);
        // Kept on the screen: near its right edge the pop-up moves left and
        // its arrow still points at the field.
        const QPoint bottomCentre = m_field->mapToGlobal(QPoint(m_field->width() / 2, m_field->height()));
        m_popup->moveOnScreen(bottomCentre - kPopupOffset, kArrowPos, bottomCentre);
        m_popup->show();
        m_popup->activateWindow();
        emit sigMesgStartOrStopHook(true);
    }
    return DKeyFunctionPage::eventFilter(watched, event);
}

void DTargetKeyPage::onArrowWidgetHide()
{
    if (!m_popup)
        return;
    qApp->removeEventFilter(this);
    emit sigMesgStartOrStopHook(false);
    popupClosed();
    m_popup->setPopupShown(false);
    m_popup->hide();
}

bool DTargetKeyPage::isPopupOpen() const
{
    return m_popup && m_popup->isPopupShown();
}

void DTargetKeyPage::closePopup()
{
    if (isPopupOpen())
        onArrowWidgetHide();
}

void DTargetKeyPage::hideEvent(QHideEvent *event)
{
    closePopup();
    DKeyFunctionPage::hideEvent(event);
}

// ---- language and theme --------------------------------------------------------

void DTargetKeyPage::updateAllUI()
{
    if (m_virtualKeyboard)
        m_virtualKeyboard->updateAllUI();
    setTexts();
}

void DTargetKeyPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(
        m_title, QStringLiteral("QLabel#%1{ color: rgb(%2); }").arg(m_title->objectName(), theme.TextDefaultColor));
    m_title->setFont(pageFont(12));
    setStyleSheetIfChanged(m_field, QStringLiteral("QLineEdit{color: rgb(%1); background-color: rgb(%2); "
                                                   "border: 1px solid rgb(%3); border-radius: 4px;}"
                                                   "QLineEdit:hover, QLineEdit:pressed{border: 1px solid rgb(%4);}")
                                        .arg(theme.TextDefaultColor, theme.DeviceRightBgColor, theme.DeviceBorderColor,
                                             theme.TextCheckedColor));
    m_field->setFont(pageFont(11));
    if (m_popup)
        applyPopupTheme(theme);
    setStyleSheetIfChanged(m_selector, radioButtonStyle(theme));
}

void DTargetKeyPage::applyPopupTheme(const ThemeColor &theme)
{
    const QColor background = ArrowWidget::opaqueThemeColor(theme.AllBgColor);
    m_popup->setBackgroundColor(background.red(), background.green(), background.blue());
    m_virtualKeyboard->updateAppTheme();
}
