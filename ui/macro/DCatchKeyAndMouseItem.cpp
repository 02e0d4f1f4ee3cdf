#include "ui/macro/DCatchKeyAndMouseItem.h"

#include "core/DDataManager.h"
#include "widgets/UnitText.h"
#include "widgets/StyledProperty.h"
#include "ui_DCatchKeyAndMouseItem.h"

#include <QMouseEvent>
#include <QStyle>
#include <QVariant>

namespace {

// The looks a row takes; the list's style sheet styles each by the row's
// "look" property.
const char *const kLookNew = "new";
const char *const kLookNormal = "normal";
const char *const kLookPartner = "partner";
const char *const kLookChecked = "checked";

} // namespace

QString DCatchKeyAndMouseItem::listStyleSheet(const ThemeColor &theme)
{
    // %1 border, %2 normal background, %3 highlight background, %4 text,
    // %5 checked text, %6 font family.
    return QStringLiteral(
               "DCatchKeyAndMouseItem QFrame#frame{border: none; border-bottom: 1px solid rgb(%1); "
               "background-color: rgb(%2);}"
               "DCatchKeyAndMouseItem QFrame#frame_2{border: none; border-right: 1px solid rgb(%1); "
               "background-color: rgb(%2);}"
               // A new row's delay cell lets the row's own background through.
               "DCatchKeyAndMouseItem[look=\"new\"] QFrame#frame_2{background-color: rgba(0, 0, 0, 0.004);}"
               "DCatchKeyAndMouseItem[look=\"partner\"] QFrame#frame, DCatchKeyAndMouseItem[look=\"partner\"] QFrame#frame_2, "
               "DCatchKeyAndMouseItem[look=\"checked\"] QFrame#frame, DCatchKeyAndMouseItem[look=\"checked\"] QFrame#frame_2"
               "{background-color: rgb(%3);}"
               "DCatchKeyAndMouseItem QLabel#label_DelayTime, DCatchKeyAndMouseItem QLabel#label_CatchEventExplain"
               "{color: rgb(%4); font: 75 10pt \"%6\";}"
               "DCatchKeyAndMouseItem[look=\"checked\"] QLabel#label_DelayTime, "
               "DCatchKeyAndMouseItem[look=\"checked\"] QLabel#label_CatchEventExplain{color: rgb(%5);}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_Delete{border: none; "
               "border-image: url(:/images/macro/deleteDef.png);}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_Delete:hover, "
               "DCatchKeyAndMouseItem QPushButton#pushButton_Delete:pressed{border-image: url(:/images/macro/deleteSel.png);}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_EventSelect{border: none; background: transparent; "
               "border-image: url(:/images/macro/timeSel.png);}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_EventSelect[kind=\"key\"]"
               "{border-image: url(:/images/macro/keyboardSel.png);}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_EventSelect[kind=\"mouse\"]"
               "{border-image: url(:/images/macro/mouseSel.png);}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_EventStatus{border: none; "
               "background: transparent;}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_EventStatus[direction=\"down\"]"
               "{border-image: url(:/images/macro/keyDownSel.png);}"
               "DCatchKeyAndMouseItem QPushButton#pushButton_EventStatus[direction=\"up\"]"
               "{border-image: url(:/images/macro/keyUpDef.png);}")
        .arg(theme.MacroBorderColor, theme.MacroCenterBgColor, theme.MacroListItemSelectedColor,
             theme.MacroListItemTextColor, theme.TextCheckedColor, theme.TextFont);
}

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DCatchKeyAndMouseItem)
{
    // The look is known before the first polish, so the row is styled once.
    setProperty("look", QByteArray(kLookNew));
    ui->setupUi(this);
    setFixedHeight(46);
    m_mark = mark;
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(mark);
    ui->pushButton_EventSelect->setFocusPolicy(Qt::NoFocus);
    ui->pushButton_EventStatus->setFocusPolicy(Qt::NoFocus);
    ui->pushButton_EventSelect->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->pushButton_EventStatus->setAttribute(Qt::WA_TransparentForMouseEvents);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem()
{
    delete ui;
}

void DCatchKeyAndMouseItem::setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain)
{
    const char *kind = type == QLatin1String("key") ? "key" : type == QLatin1String("mouse") ? "mouse" : "other";
    setStyledProperty(ui->pushButton_EventSelect, "kind", kind);
    if (type == QLatin1String("key") || type == QLatin1String("mouse")) {
        if (operateExplain == QLatin1String("down"))
            setStyledProperty(ui->pushButton_EventStatus, "direction", "down");
        else if (operateExplain == QLatin1String("up"))
            setStyledProperty(ui->pushButton_EventStatus, "direction", "up");
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
    applyLook(on ? kLookPartner : kLookNormal);
}

void DCatchKeyAndMouseItem::setCheckedStyle(bool on)
{
    applyLook(on ? kLookChecked : kLookNormal);
}

QString DCatchKeyAndMouseItem::look() const
{
    return property("look").toString();
}

void DCatchKeyAndMouseItem::applyLook(const char *look)
{
    if (property("look").toByteArray() == look)
        return;
    setProperty("look", QByteArray(look));
    // The rules hang on the row's property: its styled children follow.
    for (QWidget *w : {static_cast<QWidget *>(ui->frame), static_cast<QWidget *>(ui->frame_2),
                       static_cast<QWidget *>(ui->label_DelayTime), static_cast<QWidget *>(ui->label_CatchEventExplain)})
        restyle(w);
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
