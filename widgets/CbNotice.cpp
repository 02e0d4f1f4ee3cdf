#include "widgets/CbNotice.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

#include "platform/x11/TranslucentWindows.h"

CbNotice::CbNotice(QWidget *parent)
    : QWidget(parent)
{
    initNotice(parent);
    connect(m_animation, &QPropertyAnimation::finished, this, &CbNotice::onHideAnimotionFinish);
    hide();
}

CbNotice::~CbNotice()
{
    // The animation drives the effect: stop and release it first.
    delete m_animation;
    m_animation = nullptr;
    setGraphicsEffect(nullptr); // deletes the effect
    m_effect = nullptr;
}

void CbNotice::initNotice(QWidget *parent)
{
    if (parent) {
        m_defaultPoint = QPoint(parent->x() + parent->width() / 2, (parent->height() * 2) / 3);
    } else {
        QPoint origin;
        QRect primary;
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            origin = screen->virtualGeometry().topLeft();
            primary = screen->geometry();
        }
        m_defaultPoint = origin + QPoint(primary.width() / 2, (primary.height() * 2) / 3);
        setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
        // A window of its own shows its round corners only on a desktop
        // that composes translucent windows; elsewhere it is cut to shape.
        m_opaqueWindow = !TranslucentWindows::available();
        if (!m_opaqueWindow)
            setAttribute(Qt::WA_TranslucentBackground);
    }

    m_effect = new QGraphicsOpacityEffect(this);
    QFont f = font();
    f.setFamily(QStringLiteral("Microsoft YaHei"));
    setFont(f);
    setFontPixelSize(20);
    m_effect->setOpacity(1.0);
    setGraphicsEffect(m_effect);

    m_animation = new QPropertyAnimation(m_effect, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);
}

void CbNotice::showNotice(QString text, QPoint point)
{
    hide();
    m_text = text;
    const int width = QFontMetrics(font()).horizontalAdvance(m_text) + 36;
    setFixedSize(width, m_height);
    const QPoint centre = point.isNull() ? m_defaultPoint : point;
    move(centre.x() - width / 2, centre.y() - m_height / 2);
    startShowAnimation();
}

void CbNotice::startShowAnimation()
{
    m_animation->stop();
    show();
    raise();
    activateWindow();
    m_effect->setOpacity(1.0);
    // The effect clamps values above 1: the toast stays opaque while the value
    // falls to 1 (the hold time) and fades while it falls from 1 to 0.
    m_animation->setStartValue(m_fadeTime / 1000.0 + m_holdTime / 1000.0);
    m_animation->setEndValue(m_fadeTime <= 0 ? 1.0 : 0.0);
    m_animation->setDuration(qMax(0, m_holdTime + m_fadeTime));
    m_animation->start();
    update();
}

void CbNotice::setFontPixelSize(int pixelSize)
{
    QFont f = font();
    f.setPixelSize(pixelSize);
    setFont(f);
    update();
}

void CbNotice::setBackgroundColor(QColor color)
{
    m_backgroundColor = color;
    update();
}

void CbNotice::setTextColor(QColor color)
{
    m_textColor = color;
    update();
}

void CbNotice::setNoticeFont(QFont font)
{
    setFont(font);
}

void CbNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

void CbNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QBrush(m_textColor), 1));

    const QRect r(0, 0, width(), height());
    QPainterPath path;
    path.addRoundedRect(r, 22, 22, Qt::AbsoluteSize);
    QColor background = m_backgroundColor;
    if (m_opaqueWindow)
        background.setAlpha(255);
    painter.fillPath(path, background);

    painter.setFont(font());
    painter.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

void CbNotice::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_opaqueWindow)
        return;
    QPainterPath path;
    path.addRoundedRect(QRect(0, 0, width(), height()), 22, 22, Qt::AbsoluteSize);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void CbNotice::mousePressEvent(QMouseEvent *event)
{
    if (event->x() > 5)
        QWidget::mousePressEvent(event);
    hide();
}
