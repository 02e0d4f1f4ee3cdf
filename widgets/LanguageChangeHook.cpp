#include "widgets/LanguageChangeHook.h"

#include <QEvent>
#include <QWidget>

LanguageChangeHook::LanguageChangeHook(QWidget *widget, std::function<void()> setTexts)
    : QObject(widget)
    , m_setTexts(std::move(setTexts))
{
    widget->installEventFilter(this);
}

LanguageChangeHook *LanguageChangeHook::install(QWidget *widget, std::function<void()> setTexts)
{
    return new LanguageChangeHook(widget, std::move(setTexts));
}

bool LanguageChangeHook::eventFilter(QObject *watched, QEvent *event)
{
    // No widget of ours retranslates in its change event, so the texts may be
    // set before the widget itself sees the event.
    if (event->type() == QEvent::LanguageChange && watched == parent() && m_setTexts)
        m_setTexts();
    return QObject::eventFilter(watched, event);
}
