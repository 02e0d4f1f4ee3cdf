// Re-sets the texts a widget's code puts on it whenever the interface
// language changes. The designer forms' texts come back with retranslateUi;
// the ones set from code (captions built at run time, notices, tooltips)
// only come back when their setter runs again, which this hook does on Qt's
// language-change event.
#ifndef LANGUAGECHANGEHOOK_H
#define LANGUAGECHANGEHOOK_H

#include <QObject>

#include <functional>

class QWidget;

class LanguageChangeHook : public QObject
{
    Q_OBJECT

public:
    // Calls setTexts each time widget receives a language change. The hook is
    // a child of the widget and goes with it.
    static LanguageChangeHook *install(QWidget *widget, std::function<void()> setTexts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LanguageChangeHook(QWidget *widget, std::function<void()> setTexts);

    std::function<void()> m_setTexts;
};

#endif
