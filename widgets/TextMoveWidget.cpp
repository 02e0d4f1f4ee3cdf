#include "widgets/TextMoveWidget.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
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
    m_label->installEventFilter(this);

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
    const int t = textWidth();
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
    if (m_x == x)
        return;
    // On an opaque background the text's pixels are moved as they are and
    // only the uncovered strip is painted, from the image kept of the text
    // (shaping the text again for a strip two pixels wide is what a step
    // would cost otherwise); a translucent one needs what lies beneath
    // painted again wherever the text was and goes.
    updateTextImage();
    if (autoFillBackground() && m_background.alpha() == 255 && isVisible() && m_label->pos() == QPoint(x, labelTop()))
        scroll(m_x - x, 0);
    else
        m_label->move(m_x, labelTop());
}

int TextMoveWidget::textWidth()
{
    // Measured with the label's own font: its style sheet may set a bolder
    // one than the widget's. Shaping the text is the dearest part of a
    // step, so the width is kept until the text or the font changes.
    if (m_textWidth < 0) {
        m_label->ensurePolished();
        m_textWidth = m_label->fontMetrics().horizontalAdvance(m_text);
    }
    return m_textWidth;
}

bool TextMoveWidget::textImageFits() const
{
    const qreal ratio = m_label->devicePixelRatioF();
    return autoFillBackground() && m_background.alpha() == 255 && !m_textImage.isNull()
           && m_textImage.size() == m_label->size() * ratio && m_textImage.devicePixelRatio() == ratio
           && m_textImage.format() == textImageFormat() && m_textImageBackground == m_background
           && m_textImageInk == m_label->palette().color(m_label->foregroundRole())
           && m_textImageText == m_label->text() && m_textImageFont == m_label->font();
}

QImage::Format TextMoveWidget::textImageFormat() const
{
    // The format the window's own pixels have, so that text is rendered
    // alike in the image and on the window.
    return window()->testAttribute(Qt::WA_TranslucentBackground) ? QImage::Format_ARGB32_Premultiplied
                                                                  : QImage::Format_RGB32;
}

void TextMoveWidget::updateTextImage()
{
    // Only over an opaque background: the image then holds the exact pixels
    // the label paints there, background included.
    if (!autoFillBackground() || m_background.alpha() != 255 || m_label->size().isEmpty()) {
        m_textImage = QImage();
        return;
    }
    if (textImageFits())
        return;
    const qreal ratio = m_label->devicePixelRatioF();
    m_textImage = QImage(m_label->size() * ratio, textImageFormat());
    m_textImage.setDevicePixelRatio(ratio);
    m_textImage.fill(m_background);
    m_renderingText = true;
    m_label->render(&m_textImage, QPoint(), QRegion(), QWidget::RenderFlags());
    m_renderingText = false;
    m_textImageText = m_label->text();
    m_textImageFont = m_label->font();
    m_textImageInk = m_label->palette().color(m_label->foregroundRole());
    m_textImageBackground = m_background;
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
    if (watched == m_label) {
        // A step copies the image of the text; a label whose look changed
        // since paints itself until the next step draws the image again.
        if (event->type() == QEvent::Paint && !m_renderingText && textImageFits()) {
            QPainter painter(m_label);
            painter.drawImage(QPoint(0, 0), m_textImage);
            return true;
        }
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            m_textWidth = -1;
        return QWidget::eventFilter(watched, event);
    }
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
    m_textWidth = -1;
    m_label->setText(m_text);
    m_x = 0;
    placeLabel();
}

void TextMoveWidget::setTextFont(QString family, int pointSize)
{
    setFont(QFont(family, pointSize));
    m_label->setStyleSheet(QStringLiteral("font: 75 %2pt \"%1\"").arg(family).arg(pointSize));
    m_textWidth = -1;
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
