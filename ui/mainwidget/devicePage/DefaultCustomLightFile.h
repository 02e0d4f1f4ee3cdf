// Which embedded custom-light file gives a new profile of a keyboard its
// default colour schemes: a model of its own where a row of the model table
// names it (rows are looked at in order, the first match wins, models
// compare as whole, case-sensitive names), otherwise the generic file of the
// keyboard's key count. The files lie below ":/images/configDir/"; the build
// generates them from our key layouts, so a key count without a layout of
// ours has no file and its schemes stay empty. Widget-free.
#ifndef DEFAULTCUSTOMLIGHTFILE_H
#define DEFAULTCUSTOMLIGHTFILE_H

#include <QString>
#include <QStringList>
#include <QVector>

class DefaultCustomLightFile
{
public:
    // Models of some key counts that have a file of their own.
    struct ModelRow
    {
        QVector<int> keyCounts; // the key counts the row is looked at for
        QStringList models;
        QString fileName;
    };

    static const char *resourceFolder() { return ":/images/configDir/"; }

    // The model rows in the order they are looked at.
    static const QVector<ModelRow> &modelRows();
    // The file name for a keyboard, by the given rows.
    static QString fileName(int keyCount, const QString &model, const QVector<ModelRow> &rows = modelRows());
    // The generic file of a key count.
    static QString genericFileName(int keyCount);
};

#endif
