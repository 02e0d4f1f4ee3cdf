#include "ui/macro/DMacroListItem.h"

#include "core/DDataManager.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui_DMacroListItem.h"
#include "widgets/ArrowWidget.h"

#include <QMouseEvent>

namespace {

QString iconSheet(const char *def, const char *sel)
{
    return QStringLiteral("QPushButton{border: none; background: transparent; border-image: url(%1);}"
                          "QPushButton:hover, QPushButton:pressed{border-image: url(%2);}")
        .arg(QLatin1String(def), QLatin1String(sel));
}

} // namespace

DMacroListItem::DMacroListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DMacroListItem)
{
    ui->setupUi(this);
    setFixedHeight(46);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);

    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    m_borderColor = theme.MacroBorderColor;
    m_selectedColor = theme.MacroListItemSelectedColor;
    m_hoverColor = theme.MacroListItemHoverColor;
    ui->label_MacroName->setStyleSheet(
        QStringLiteral("QLabel{color: rgb(%1); font: 75 10pt \"%2\";}").arg(theme.MacroListItemTextColor, theme.TextFont));
    ui->lineEdit_MacroName->setStyleSheet(
        QStringLiteral("QLineEdit{color: rgb(%1); font: 75 12pt \"%2\"; background-color: rgba(%3,0); border: none;}")
            .arg(theme.TextDefaultColor, theme.TextFont, theme.MacroListItemSelectedColor));
    ui->pushButton_MacroOperate->setStyleSheet(iconSheet(":/images/publicIco/dianDef.png", ":/images/publicIco/dianSel.png"));
    ui->pushButton_Save->setStyleSheet(iconSheet(":/images/macro/sureDef.png", ":/images/macro/sureSel.png"));
    ui->pushButton_Cancel->setStyleSheet(iconSheet(":/images/macro/cancelDef.png", ":/images/macro/cancelSel.png"));
    setSelectedStyle(false);
}

DMacroListItem::~DMacroListItem()
{
    delete ui;
}

void DMacroListItem::setMacroXmlPath(const char *path)
{
    lumtarCopyField(m_macroXmlPath, path);
}

void DMacroListItem::setMacroInfo(QString index, QString name)
{
    m_macroIndex = index;
    m_macroName = name;
    ui->label_MacroName->setText(name);
}

void DMacroListItem::setSelectedStyle(bool selected)
{
    if (selected)
        ui->frame_5->setStyleSheet(
            QStringLiteral("QFrame#frame_5{border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}")
                .arg(m_borderColor, m_selectedColor));
    else
        ui->frame_5->setStyleSheet(
            QStringLiteral("QFrame#frame_5{border: none; border-bottom: 1px solid rgb(%1); background: transparent;}"
                           "QFrame#frame_5:hover{background-color: rgb(%2);}")
                .arg(m_borderColor, m_hoverColor));
}

void DMacroListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigMacroItemMouseClicked(m_macroIndex, m_macroName);
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    showRenamePage();
}

void DMacroListItem::showRenamePage()
{
    ui->lineEdit_MacroName->setText(m_macroName);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    auto *menu = new macroMenuToolWidget(this);
    connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
    connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
    connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
    connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);
    m_popup = new ArrowWidget(0, this);
    m_popup->setWidgetSize(165, 130);
    m_popup->setArrowPos(73);
    m_popup->setCenterWidget(menu);
    const QPushButton *button = ui->pushButton_MacroOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    m_popup->move(anchor - QPoint(80, 20));
    m_popup->show();
    m_popup->activateWindow();
}

void DMacroListItem::onCloseMenuWidow()
{
    if (m_popup)
        m_popup->hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroModifyNanme()
{
    showRenamePage();
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString name = ui->lineEdit_MacroName->text();
    if (name.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    if (!CLumtarXML_ModifyMacroNodeName(m_macroXmlPath, m_macroIndex.toLatin1().constData(),
                                        name.toUtf8().constData()))
        return;
    ui->label_MacroName->setText(name);
    m_macroName = name;
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}

ArrowWidget *DMacroListItem::menuPopup() const
{
    return m_popup;
}
