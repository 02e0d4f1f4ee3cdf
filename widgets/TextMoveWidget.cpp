#include "widgets/TextMoveWidget.h"

#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>
#include <QWindow>

TextMoveWidget::TextMoveWidget(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);

    m_label = new QLabel(m_text, this);
    m_label->setAlignment(Qt::AlignVCenter);
    m_label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_label->adjustSize();

    // The text moves while it can be seen: a hidden marquee costs nothing.
    m_timer = new QTimer(this);
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, [this] {
        // Hidden from view since the last step: rests until it is seen again.
        if (canBeSeen())
            updatePos();
        else
            m_timer->stop();
    });
}

TextMoveWidget::~TextMoveWidget()
{
    if (m_timer->isActive())
        m_timer->stop();
}

bool TextMoveWidget::isMoving() const
{
    return m_timer->isActive();
}

void TextMoveWidget::updatePos()
{
    const int w = width();
    // Measured with the label's own font: its style sheet may set a bolder
    // one than the widget's.
    m_label->ensurePolished();
    const int t = m_label->fontMetrics().horizontalAdvance(m_text);
    const int x = m_x;

    if (t <= w) {
        // A text that fits stays whole between the edges.
        const int room = qMax(0, w - qMax(t, m_label->width()));
        int next = x + (m_movingRight ? m_step : -m_step);
        if (next > room) {
            m_movingRight = false;
            next = room;
        } else if (next < 0) {
            m_movingRight = true;
            next = 0;
        }
        m_x = next;
    } else {
        if (x == 10)
            m_movingRight = false;
        else if (x <= w - t - 10)
            m_movingRight = true;
        m_x += m_movingRight ? m_step : -m_step;
    }
    const int dx = m_x - x;
    if (dx == 0)
        return;
    // On an opaque background the text's pixels are moved as they are and
    // only the uncovered strip is painted; a translucent one needs what
    // lies beneath painted again wherever the text was and goes.
    if (autoFillBackground() && m_background.alpha() == 255 && isVisible() && m_label->pos() == QPoint(x, labelTop()))
        scroll(dx, 0);
    else
        m_label->move(m_x, labelTop());
}

bool TextMoveWidget::canBeSeen() const
{
    if (!isVisible())
        return false;
    const QWidget *top = window();
    const QWindow *handle = top->windowHandle();
    return handle && handle->isExposed() && !top->isMinimized();
}

void TextMoveWidget::updateMoving()
{
    if (canBeSeen()) {
        if (!m_timer->isActive())
            m_timer->start();
    } else {
        m_timer->stop();
    }
}

void TextMoveWidget::watchWindow()
{
    QWidget *top = window();
    QWindow *handle = top->windowHandle();
    if (top == m_watchedWidget && handle == m_watchedWindow)
        return;
    if (m_watchedWidget)
        m_watchedWidget->removeEventFilter(this);
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWidget = top;
    m_watchedWindow = handle;
    if (top != this)
        top->installEventFilter(this);
    if (handle)
        handle->installEventFilter(this);
}

bool TextMoveWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The window was mapped, unmapped, covered or uncovered, minimised or
    // restored: the timer follows.
    if ((watched == m_watchedWindow && event->type() == QEvent::Expose)
        || (watched == m_watchedWidget && event->type() == QEvent::WindowStateChange))
        QTimer::singleShot(0, this, &TextMoveWidget::updateMoving);
    return QWidget::eventFilter(watched, event);
}

int TextMoveWidget::labelTop() const
{
    return m_label->height() <= height() ? 0 : m_y;
}

void TextMoveWidget::placeLabel()
{
    m_label->adjustSize();
    // A label that fits covers the marquee's whole height and centres its
    // text: the ink of a script drawn from a taller fallback font is kept.
    if (m_label->height() <= height())
        m_label->resize(m_label->width(), height());
    m_label->move(m_x, labelTop());
}

void TextMoveWidget::setText(QString text)
{
    m_text = text;
    m_label->setText(m_text);
    m_x = 0;
    placeLabel();
}

void TextMoveWidget::setTextFont(QString family, int pointSize)
{
    setFont(QFont(family, pointSize));
    m_label->setStyleSheet(QStringLiteral("font: 75 %2pt \"%1\"").arg(family).arg(pointSize));
    placeLabel();
}

void TextMoveWidget::setForeground(QColor color)
{
    m_foreground = color;
    QPalette p = m_label->palette();
    p.setColor(QPalette::WindowText, color);
    m_label->setPalette(p);
}

void TextMoveWidget::setBackground(QColor color)
{
    m_background = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    // An opaque background makes the widget opaque to Qt: the widgets
    // behind it are not painted again when the text moves.
    setPalette(p);
}

void TextMoveWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    watchWindow();
    updateMoving();
}

void TextMoveWidget::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

void TextMoveWidget::resizeEvent(QResizeEvent *event)
{
    m_y = (height() - QFontMetrics(font()).height()) / 2;
    placeLabel();
    QWidget::resizeEvent(event);
}
