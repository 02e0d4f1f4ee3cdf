#include "ui/mainwidget/devicePage/customKeys/DGamePadView.h"
#include "ui_DGamePadView.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QToolButton>

#include "core/DDataManager.h"
#include "core/KeyFunctionNames.h"
#include "device/GamePadMode.h"
#include "device/OnboardKeyPacket.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/StyleSheetUpdate.h"

namespace {

constexpr int ModeXbox360 = 1;
constexpr int ModeClassical = 2;

// Buttons are numbered from 1 in their names, one above their value.
QToolButton *controlButton(const QWidget *page, const char *set, int value)
{
    return page->findChild<QToolButton *>(QStringLiteral("toolButton_%1_%2").arg(QLatin1String(set)).arg(value + 1));
}

} // namespace

DGamePadView::DGamePadView(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DGamePadView)
{
    ui->setupUi(this);
    m_xbox360 = new QButtonGroup(this);
    m_classical = new QButtonGroup(this);
    for (int value = 0; value < Xbox360Count; ++value) {
        QToolButton *button = controlButton(this, "Xbox360", value);
        button->installEventFilter(this);
        m_xbox360->addButton(button, value);
    }
    for (int value = 0; value < ClassicalCount; ++value) {
        QToolButton *button = controlButton(this, "Classical", value);
        button->installEventFilter(this);
        m_classical->addButton(button, value);
    }
    connect(m_xbox360, &QButtonGroup::idClicked, this, &DGamePadView::onCurIndexChanged_Xbox360);
    connect(m_classical, &QButtonGroup::idClicked, this, &DGamePadView::onCurIndexChanged_Classical);
}

DGamePadView::~DGamePadView()
{
    delete m_popup;
    delete ui;
}

QAbstractButton *DGamePadView::xbox360Button(int value) const
{
    return m_xbox360->button(value);
}

QAbstractButton *DGamePadView::classicalButton(int value) const
{
    return m_classical->button(value);
}

QString DGamePadView::hoverText() const
{
    return m_popupText ? m_popupText->text() : QString();
}

void DGamePadView::uncheckAll(QButtonGroup *group)
{
    // An exclusive group keeps its checked button checked.
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void DGamePadView::loadKeyOperateInfo()
{
    const int mode = DDataManager::getInstance()->gamePadMode();
    if (mode == ModeXbox360 || mode == ModeClassical) {
        ui->stackedWidget->setCurrentWidget(mode == ModeXbox360 ? ui->page_Xbox360 : ui->page_Classical);
        ui->label->setText(GamePadMode::label(mode));
    }

    DKeyFunctionPage::loadKeyOperateInfo();
    // A key without a control of its own shows none checked, whichever key
    // was shown before.
    uncheckAll(m_xbox360);
    uncheckAll(m_classical);
    if (!m_storedItem)
        return;
    // The value as the download reads it: text that is not a number is 0.
    const int type = KeyItemIO::fieldNumber(m_storedItem->type);
    const int value = OnboardKeyPacket::fieldNumber(m_storedItem->value);
    // The type decides the set, whichever set is shown.
    QAbstractButton *button = nullptr;
    if (type == KeyOperate_GamePadXbox360)
        button = m_xbox360->button(value);
    else if (type == KeyOperate_GamePadClassical)
        button = m_classical->button(value);
    if (button)
        button->setChecked(true);
}

void DGamePadView::onCurIndexChanged_Xbox360(int selIndex)
{
    saveKeyOperateInfo(KeyOperate_GamePadXbox360, selIndex);
}

void DGamePadView::onCurIndexChanged_Classical(int selIndex)
{
    saveKeyOperateInfo(KeyOperate_GamePadClassical, selIndex);
}

void DGamePadView::saveKeyOperateInfo(int type, int value)
{
    storeItem(type, QByteArray::number(type), "1", "1", QByteArray::number(value));
}

bool DGamePadView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        const int xbox360 = button ? m_xbox360->id(button) : -1;
        const int classical = button ? m_classical->id(button) : -1;
        if (xbox360 >= 0 || classical >= 0) {
            if (event->type() == QEvent::Leave) {
                if (m_popup)
                    m_popup->hide();
            } else if (xbox360 >= 0) {
                showXbox360ControlTip(xbox360 + 1);
            } else {
                showClassicalControlTip(classical + 1);
            }
        }
    }
    // The buttons keep their own hover and press looks.
    return DKeyFunctionPage::eventFilter(watched, event);
}

void DGamePadView::showXbox360ControlTip(int index)
{
    if (QAbstractButton *button = m_xbox360->button(index - 1))
        showControlTip(button, KeyFunctionNames::xbox360GamePad().text(index - 1));
}

void DGamePadView::showClassicalControlTip(int index)
{
    if (QAbstractButton *button = m_classical->button(index - 1))
        showControlTip(button, KeyFunctionNames::classicalGamePad().text(index - 1));
}

void DGamePadView::showControlTip(QAbstractButton *button, const QString &name)
{
    if (!m_popup) {
        // A window of the page's, with the arrow on its bottom edge; it only
        // shows text, so the pointer passes through it.
        m_popup = new ArrowWidget(1, this);
        m_popup->setWindowFlag(Qt::WindowTransparentForInput);
        m_popup->setWidgetSize(PopupWidth, PopupHeight);
        m_popup->setArrowPos(30);
        m_popupText = new DToolTipExplain;
        m_popup->setCenterWidget(m_popupText);
    }
    const QPoint bottomCentre = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_popup->move(bottomCentre - QPoint(PopupLeftOfCentre, button->height() + PopupAboveTop));
    m_popupText->setText(name);
    m_popup->show();
}

void DGamePadView::updateAllUI()
{
    ui->retranslateUi(this);
    loadKeyOperateInfo();
}

void DGamePadView::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    // The form's stacked widget has already polished the buttons of both sets
    // with the sheet of the time; a sheet set on a page that is not polished
    // itself yet would not reach them.
    ensurePolished();
    setStyleSheetIfChanged(
        this, framedPageStyle(
                  QStringLiteral("QToolButton{min-width: 30px; max-width: 30px; min-height: 30px; max-height: 30px; "
                                 "border: 2px solid rgb(%1); border-radius: 3px;}"
                                 "QToolButton:hover, QToolButton:pressed, QToolButton:checked"
                                 "{border: 2px solid rgb(%2); border-radius: 3px;}")
                      .arg(theme.DeviceBorderColor, theme.TextCheckedColor)));
    // The heading's panel only holds the heading; it draws no frame.
    setStyleSheetIfChanged(ui->frame_388, QStringLiteral("QFrame#frame_388{border: none;}"));
    setStyleSheetIfChanged(ui->label, QStringLiteral("QLabel{color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->label->setFont(pageFont(12));
    // One pixel of colour between the two rows of controls, with no frame drawn over it.
    const QString line =
        QStringLiteral("QFrame{background-color: rgb(%1); border: none;}").arg(theme.DeviceBorderColor);
    setStyleSheetIfChanged(ui->frame_LineBg01, line);
    setStyleSheetIfChanged(ui->frame_LineBg02, line);
}
