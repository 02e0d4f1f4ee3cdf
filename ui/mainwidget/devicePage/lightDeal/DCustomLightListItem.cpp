#include "ui/mainwidget/devicePage/lightDeal/DCustomLightListItem.h"
#include "ui_DCustomLightListItem.h"

#include "core/DDataManager.h"

#include "sdk/include/LumtarXml.h"

#include <QDebug>
#include <QMouseEvent>

DCustomLightListItem::DCustomLightListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DCustomLightListItem)
{
    ui->setupUi(this);
    ui->pushButton_CustomOperate->hide();
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}

DCustomLightListItem::~DCustomLightListItem()
{
    delete ui;
}

void DCustomLightListItem::setCustomLightNode(QString index, QString name, QString isUsing, int usingFlagIndex)
{
    m_index = index;
    m_name = name;
    m_isUsing = isUsing;
    m_usingFlagIndex = usingFlagIndex;
    setUsingStatus(isUsing == QLatin1String("Using"));
    ui->label_CustomItemName->setFullText(name);
}

void DCustomLightListItem::setSelected(bool selected)
{
    m_selected = selected;
    applyLook();
}

void DCustomLightListItem::setUsingStatus(bool isUsing)
{
    const QSignalBlocker blocker(ui->checkBox);
    ui->checkBox->setChecked(isUsing);
}

void DCustomLightListItem::setUsingStatusText(QString isUsing)
{
    m_isUsing = isUsing;
}

void DCustomLightListItem::setUsingFlagIndex(int usingFlagIndex)
{
    m_usingFlagIndex = usingFlagIndex;
}

void DCustomLightListItem::updateAppTheme()
{
    const ThemeColor t = DDataManager::getInstance()->themeColor();
    m_borderColor = t.DeviceBorderColor;
    m_selectedBackground = t.MacroListItemSelectedColor;
    m_hoverBackground = t.MacroListItemHoverColor;
    m_background = t.DeviceRightBgColor;
    m_textColor = t.TextDefaultColor;
    m_selectedTextColor = t.TextCheckedColor;
    m_fontFamily = t.TextFont;
    ui->lineEdit_CustomItemName->setStyleSheet(
        QStringLiteral("QLineEdit{color: rgb(%1); background-color: rgb(%2); border: 1px solid rgb(%3);}"
                       "QLineEdit:hover{border: 1px solid rgb(%4);}"
                       "QLineEdit:pressed{border: 1px solid rgb(%4);}")
            .arg(m_textColor, m_background, m_borderColor, m_selectedTextColor));
    applyLook();
}

void DCustomLightListItem::applyLook()
{
    const QString font = QStringLiteral("font: 75 9pt \"%1\";").arg(m_fontFamily);
    if (m_selected) {
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{border: none; background-color: rgb(%1);}")
                                       .arg(m_selectedBackground));
    } else {
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{border: none; background-color: rgb(%1);}"
                                                  "QFrame#frame_5:hover{background-color: rgb(%2);}")
                                       .arg(m_background, m_hoverBackground));
    }
    // The name's colour on the name itself: a rule the row's frame hands
    // down reached it only once the row had been clicked, and until then
    // it showed in the system's dark text on the dark list.
    ui->label_CustomItemName->setStyleSheet(
        QStringLiteral("QLabel{color: rgb(%1); %2}").arg(m_selected ? m_selectedTextColor : m_textColor, font));
}

void DCustomLightListItem::emitMouseClicked()
{
    emit sigCustomLightItemMouseClicked(m_index, m_name);
}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    emitMouseClicked();
    QWidget::mousePressEvent(event);
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    ui->lineEdit_CustomItemName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
    // Ready to type over: the field takes the keys, the old name selected.
    ui->lineEdit_CustomItemName->setFocus(Qt::MouseFocusReason);
    ui->lineEdit_CustomItemName->selectAll();
    QWidget::mouseDoubleClickEvent(event);
}

void DCustomLightListItem::on_checkBox_clicked()
{
    if (ui->checkBox->isChecked()) {
        emit sigCustomLightUsingStatus(true);
        ui->checkBox->clearFocus();
        return;
    }
    // A scheme in use leaves its slot only when another takes it.
    setUsingStatus(true);
}

QString DCustomLightListItem::limitedName(const QString &name)
{
    QString kept;
    int bytes = 0;
    for (int i = 0; i < name.size();) {
        // One character: a surrogate pair counts as one.
        const int length = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString character = name.mid(i, length);
        const int size = character.toUtf8().size();
        if (bytes + size > NameBytes)
            break;
        kept += character;
        bytes += size;
        i += length;
    }
    return kept;
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString text = ui->lineEdit_CustomItemName->text();
    if (text.isEmpty()) {
        emit sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    const QString name = limitedName(text);
    DDataManager *data = DDataManager::getInstance();
    char path[DDataManager::PathBufferSize] = {};
    data->copyXmlProfilePath(path);
    const QByteArray profile = QByteArray::number(data->currentProfileIndex());
    if (!CLumtarXML_ModifyProFileCustomLightNodeName(path, profile.constData(), m_index.toLatin1().constData(),
                                                     name.toUtf8().constData())) {
        qDebug() << "Custom light scheme" << m_index << "not renamed";
        emit sigModifyCustomLightItemNameFailed();
        return; // the row stays as it was, its editor open
    }
    m_name = name;
    ui->label_CustomItemName->setFullText(name);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
