#include "ui/seniorKeys/KeyCaptionView.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace {

// Border and padding the style sheets give the buttons and labels.
constexpr int kFrameRoom = 8;
const char kCaptionProperty[] = "keyCaption";

QString fitted(QWidget *widget, const QString &caption)
{
    widget->ensurePolished();
    const int room = qMax(0, widget->width() - kFrameRoom);
    return widget->fontMetrics().elidedText(caption, Qt::ElideMiddle, room);
}

void remember(QWidget *widget, const QString &caption)
{
    widget->setProperty(kCaptionProperty, caption);
    widget->setToolTip(caption);
}

} // namespace

QString KeyCaptionView::buttonText(const QString &caption)
{
    QString text = caption;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void KeyCaptionView::show(QAbstractButton *button, const QString &caption)
{
    remember(button, caption);
    button->setText(buttonText(fitted(button, caption)));
}

void KeyCaptionView::show(QLabel *label, const QString &caption)
{
    remember(label, caption);
    label->setText(fitted(label, caption));
}

QString KeyCaptionView::caption(const QAbstractButton *button)
{
    return button->property(kCaptionProperty).toString();
}

QString KeyCaptionView::caption(const QLabel *label)
{
    return label->property(kCaptionProperty).toString();
}
