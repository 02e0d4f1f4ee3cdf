// The macro exchange file: one macro as UTF-8 XML, written by export and read
// by import. The reader checks the whole file before anything is stored: a
// file is taken whole or refused whole, never half.
#ifndef MACROEXCHANGEFILE_H
#define MACROEXCHANGEFILE_H

#include <QByteArray>
#include <QString>

#include <list>

#include "sdk/include/LumtarRecords.h"
#include "ui/macro/MacroLimits.h"

class MacroExchangeFile
{
public:
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;
    static constexpr int kMaxEvents = MacroLimits::MaxEvents;
    static constexpr int kMaxPresses = MacroLimits::MaxPresses;

    struct ReadResult
    {
        bool ok = false;
        QString error; // why the file was refused
        std::list<KeyOrMouseEventStu> events;
    };

    // The document for the macro (index, name) with its events in order.
    static QByteArray write(const QString &macroIndex, const QString &macroName,
                            const std::list<KeyOrMouseEventStu> &events);
    // Every element with a "mark" and a "type" attribute, at any depth and of
    // any name, is one event. The events must form whole down-then-up pairs.
    static ReadResult read(const QByteArray &data);

    // The name an imported macro takes: the file's name cut before its first
    // ".", or "Macro<index>" when nothing is left.
    static QString importedMacroName(const QString &filePath, int newIndex);
    // The file name (without ".xml") an export writes for the macro's name:
    // no folder separators, control characters or leading dots; empty when
    // nothing of the name is left.
    static QString exportBaseName(const QString &macroName);
};

#endif
