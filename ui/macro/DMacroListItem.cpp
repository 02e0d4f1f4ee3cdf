#include "ui/macro/DMacroListItem.h"

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "widgets/StyledProperty.h"
#include "ui_DMacroListItem.h"
#include "widgets/ArrowWidget.h"

#include <QMouseEvent>
#include <QStyle>
#include <QVariant>

namespace {

// `row` selects the rows that show the button: "DMacroListItem" for all.
QString iconSheet(const char *row, const char *button, const char *def, const char *sel)
{
    return QStringLiteral("%1 QPushButton#%2{border: none; background: transparent; border-image: url(%3);}"
                          "%1 QPushButton#%2:hover, %1 QPushButton#%2:pressed{border-image: url(%4);}")
        .arg(QLatin1String(row), QLatin1String(button), QLatin1String(def), QLatin1String(sel));
}

} // namespace

QString DMacroListItem::listStyleSheet(const ThemeColor &theme)
{
    return QStringLiteral("DMacroListItem QLabel#label_MacroName{color: rgb(%1); font: 75 10pt \"%2\";}"
                          "DMacroListItem QLineEdit#lineEdit_MacroName{color: rgb(%3); font: 75 12pt \"%2\"; "
                          "background-color: rgba(%4, 0); border: none;}"
                          "DMacroListItem QFrame#frame_5{border: none; border-bottom: 1px solid rgb(%5); "
                          "background: transparent;}"
                          "DMacroListItem QFrame#frame_5:hover{background-color: rgb(%6);}"
                          "DMacroListItem[selected=\"true\"] QFrame#frame_5, "
                          "DMacroListItem[selected=\"true\"] QFrame#frame_5:hover{background-color: rgb(%4);}")
               .arg(theme.MacroListItemTextColor, theme.TextFont, theme.TextDefaultColor,
                    theme.MacroListItemSelectedColor, theme.MacroBorderColor, theme.MacroListItemHoverColor)
        + iconSheet("DMacroListItem", "pushButton_MacroOperate", ":/images/publicIco/dianDef.png",
                    ":/images/publicIco/dianSel.png")
        // The rename page's pictures are loaded only for a row that has
        // shown that page: most rows never do.
        + QStringLiteral("DMacroListItem QPushButton#pushButton_Save, DMacroListItem QPushButton#pushButton_Cancel"
                         "{border: none; background: transparent;}")
        + iconSheet("DMacroListItem[renaming=\"true\"]", "pushButton_Save", ":/images/macro/sureDef.png",
                    ":/images/macro/sureSel.png")
        + iconSheet("DMacroListItem[renaming=\"true\"]", "pushButton_Cancel", ":/images/macro/cancelDef.png",
                    ":/images/macro/cancelSel.png");
}

DMacroListItem::DMacroListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DMacroListItem)
{
    // Known before the first polish, so the row is styled once.
    setProperty("selected", false);
    ui->setupUi(this);
    setFixedHeight(46);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
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
    if (isSelectedStyle() == selected)
        return;
    setProperty("selected", selected);
    // The rule hangs on the row's property: the frame it styles follows
    // (one not polished yet takes it with its first polish).
    restyle(ui->frame_5);
}

bool DMacroListItem::isSelectedStyle() const
{
    return property("selected").toBool();
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
    if (!property("renaming").toBool()) {
        setProperty("renaming", true);
        restyle(ui->pushButton_Save);
        restyle(ui->pushButton_Cancel);
    }
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    // One menu at a time: the one shown before (hidden, not gone) goes now.
    if (m_popup)
        m_popup->deleteLater();
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
                                        name.toUtf8().constData())) {
        ui->stackedWidget->setCurrentWidget(ui->page_Default);
        emit sigModifyMacroItemNameFailed();
        return;
    }
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
