// A walk through the main window over a simulated keyboard as a user would
// take it: every feature page, every key-assignment page of a selected key,
// and every dialog, each shown in turn and handed to a visitor while it
// shows. Also reads what the visible windows show, and which of those texts
// do not fit their widgets.
#ifndef LANGUAGEWALK_H
#define LANGUAGEWALK_H

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>

class DMainWidget;

class LanguageWalk
{
public:
    struct ShownText
    {
        QPointer<QWidget> widget;
        QString text;
        QString where; // object path and what the text is (label, tooltip, ...)
    };

    explicit LanguageWalk(DMainWidget *window) : m_window(window) {}

    // Shows each view in turn and calls `visit` with its name while it shows.
    // Every dialog opened is closed again before the next view.
    void run(const std::function<void(const QString &view)> &visit);

    // What every visible window shows now: labels, buttons, check and radio
    // boxes, combo items, placeholders, group and tab titles, tooltips and
    // window titles.
    static QVector<ShownText> shownTexts();
    // Widgets whose text does not fit them by font metrics, as
    // "where: text (needs N px, has M px)" for the width and "(needs N px
    // high, has M px)" for the height: too wide, ink reaching past the top or
    // bottom of the contents, a wrapped text longer than its label, a check
    // or radio box squeezed below its size, a text cut by a parent. Buttons
    // are measured in every font they paint their text in, the bolder or
    // larger one a style sheet gives their checked or hovered state included.
    static QStringList clippedTexts();

private:
    void visitMainPages(const std::function<void(const QString &)> &visit);
    void visitKeyPages(const std::function<void(const QString &)> &visit);
    void visitDialogs(const std::function<void(const QString &)> &visit);

    QPointer<DMainWidget> m_window;
};

#endif
