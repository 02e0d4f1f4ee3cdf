// A HostInput whose desktop edge only records: the clipboard text, every key
// event and every program (with its arguments) or document it was asked to
// open. The decisions of
// HostInput itself run unchanged.
#ifndef RECORDINGHOSTINPUT_H
#define RECORDINGHOSTINPUT_H

#include "platform/hostinput/HostInput.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>

class RecordingHostInput : public HostInput
{
public:
    struct KeyEvent {
        int virtualKey;
        bool down;
        bool operator==(const KeyEvent &o) const { return virtualKey == o.virtualKey && down == o.down; }
    };

    QStringList clipboardTexts;
    QList<KeyEvent> keyEvents;
    QStringList startedPrograms;
    QList<QStringList> startedArguments;
    QList<QUrl> openedUrls;
    // What the recorded calls answer.
    bool succeed = true;

    void clear();

protected:
    bool setClipboardText(const QString &text) override;
    bool sendKeyEvent(int virtualKey, bool down) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool openUrl(const QUrl &url) override;
};

#endif
