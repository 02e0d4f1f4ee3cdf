// Records a key combination from keys picked one by one: one or two
// modifiers, then the key that finishes it. A combination must begin with a
// modifier; a third modifier is ignored; the same modifier twice counts once.
// The recording survives changes of slot, record and recording mode.
#ifndef COMBOKEYRECORDER_H
#define COMBOKEYRECORDER_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

class ComboKeyRecorder
{
public:
    struct Step
    {
        // The caption of the parts collected so far ("L_CTRL+L_SHIFT+A"),
        // set when a new part was collected.
        QString caption;
        bool captionChanged = false;
        // The slot text ("3,4") when this key finished a combination that is
        // to be stored; empty otherwise.
        QByteArray slotText;
    };

    // One picked key; keyNames gives the finishing key's caption (a
    // finishing key without one ends the recording, storing nothing).
    Step pick(int keyCode, const QMap<int, QString> &keyNames);

    bool isRecording() const { return m_recording; }
    QStringList parts() const { return m_parts; }

private:
    // Appends a part not yet collected; true when it was appended.
    bool addPart(const QString &part);

    bool m_recording = false;
    QStringList m_parts;
    int m_mask = 0;
    int m_key = 0;
};

#endif
