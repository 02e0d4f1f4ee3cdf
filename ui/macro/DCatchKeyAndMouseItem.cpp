#include "ui/macro/DCatchKeyAndMouseItem.h"

#include "core/DDataManager.h"
#include "widgets/UnitText.h"
#include "ui_DCatchKeyAndMouseItem.h"

#include <QMouseEvent>

namespace {

QString iconButtonSheet(const QString &picture)
{
    return QStringLiteral("QPushButton{border: none; background: transparent; border-image: url(%1);}").arg(picture);
}

} // namespace

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DCatchKeyAndMouseItem)
{
    ui->setupUi(this);
    setFixedHeight(46);
    m_mark = mark;
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(mark);
    ui->pushButton_Delete->setStyleSheet(
        QStringLiteral("QPushButton{border: none; border-image: url(:/images/macro/deleteDef.png);}"
                       "QPushButton:hover, QPushButton:pressed{border-image: url(:/images/macro/deleteSel.png);}"));
    ui->pushButton_EventSelect->setFocusPolicy(Qt::NoFocus);
    ui->pushButton_EventStatus->setFocusPolicy(Qt::NoFocus);
    ui->pushButton_EventSelect->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->pushButton_EventStatus->setAttribute(Qt::WA_TransparentForMouseEvents);

    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    m_borderColor = theme.MacroBorderColor;
    m_highlightColor = theme.MacroListItemSelectedColor;
    m_normalColor = theme.MacroCenterBgColor;
    m_textColor = theme.MacroListItemTextColor;
    m_checkedTextColor = theme.TextCheckedColor;
    m_fontFamily = theme.TextFont;

    applyLook(m_normalColor, QStringLiteral("0,0,0,1"), m_textColor);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem()
{
    delete ui;
}

void DCatchKeyAndMouseItem::setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain)
{
    if (type == QLatin1String("key"))
        ui->pushButton_EventSelect->setStyleSheet(iconButtonSheet(QStringLiteral(":/images/macro/keyboardSel.png")));
    else if (type == QLatin1String("mouse"))
        ui->pushButton_EventSelect->setStyleSheet(iconButtonSheet(QStringLiteral(":/images/macro/mouseSel.png")));
    else
        ui->pushButton_EventSelect->setStyleSheet(iconButtonSheet(QStringLiteral(":/images/macro/timeSel.png")));
    if (type == QLatin1String("key") || type == QLatin1String("mouse")) {
        if (operateExplain == QLatin1String("down"))
            ui->pushButton_EventStatus->setStyleSheet(iconButtonSheet(QStringLiteral(":/images/macro/keyDownSel.png")));
        else if (operateExplain == QLatin1String("up"))
            ui->pushButton_EventStatus->setStyleSheet(iconButtonSheet(QStringLiteral(":/images/macro/keyUpDef.png")));
    }
    ui->label_DelayTime->setText(UnitText::macroDelay(delay));

    QString caption = codeName;
    if (type.contains(QLatin1String("mouse"))) {
        if (codeName.contains(QLatin1String("Left")))
            caption = tr("Left Click");
        else if (codeName.contains(QLatin1String("Center")))
            caption = tr("Center Click");
        else if (codeName.contains(QLatin1String("Right")))
            caption = tr("Right Click");
        else
            caption.clear();
    }
    ui->label_CatchEventExplain->setText(caption);

    m_delay = QString::number(delay);
    m_type = type;
    m_keyCode = QString::number(keyCode);
    m_codeName = codeName;
    m_operateExplain = operateExplain;
}

void DCatchKeyAndMouseItem::setDelay(int delay)
{
    m_delay = QString::number(delay);
    ui->label_DelayTime->setText(UnitText::macroDelay(m_delay));
}

void DCatchKeyAndMouseItem::setSelectedStyle(bool on)
{
    if (on)
        applyLook(m_highlightColor, m_highlightColor, m_textColor);
    else
        applyLook(m_normalColor, m_normalColor, m_textColor);
}

void DCatchKeyAndMouseItem::setCheckedStyle(bool on)
{
    if (on)
        applyLook(m_highlightColor, m_highlightColor, m_checkedTextColor);
    else
        applyLook(m_normalColor, m_normalColor, m_textColor);
}

void DCatchKeyAndMouseItem::applyLook(const QString &background, const QString &delayBackground,
                                      const QString &textColor)
{
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}")
            .arg(m_borderColor, background));
    ui->frame_2->setStyleSheet(
        QStringLiteral("QFrame#frame_2{border: none; border-right: 1px solid rgb(%1); background-color: rgb(%2);}")
            .arg(m_borderColor, delayBackground));
    const QString labelSheet = QStringLiteral("QLabel{ color: rgb(%1); font: 75 10pt \"%2\"; }").arg(textColor, m_fontFamily);
    ui->label_DelayTime->setStyleSheet(labelSheet);
    ui->label_CatchEventExplain->setStyleSheet(labelSheet);
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operateExplain);
}

void DCatchKeyAndMouseItem::enterEvent(QEvent *event)
{
    ui->pushButton_Delete->show();
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent *event)
{
    ui->pushButton_Delete->hide();
    QWidget::leaveEvent(event);
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    emit sigDeleteKeyAndMouseEvent();
}
