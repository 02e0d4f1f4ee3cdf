// What a key-function page told its host: the keys to mark, the successes
// and the failure pairs (operate type, error index).
#ifndef KEYPAGESIGNALS_H
#define KEYPAGESIGNALS_H

#include <QList>
#include <QSignalSpy>

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

struct KeyPageSignals {
    explicit KeyPageSignals(DKeyFunctionPage *page)
        : update(page, &DKeyFunctionPage::sigShoudUpdateKeyboard)
        , success(page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful)
        , failure(page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed)
    {
    }
    QList<int> failures() const
    {
        QList<int> pairs;
        for (const QList<QVariant> &f : failure)
            pairs << f.at(0).toInt() << f.at(1).toInt();
        return pairs;
    }
    // Nothing at all was told.
    bool silent() const { return update.isEmpty() && success.isEmpty() && failure.isEmpty(); }
    void clear()
    {
        update.clear();
        success.clear();
        failure.clear();
    }
    QSignalSpy update, success, failure;
};

#endif
