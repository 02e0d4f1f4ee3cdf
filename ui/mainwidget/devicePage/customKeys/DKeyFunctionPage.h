// What every key-function page of the customise-keys page has in common:
// the host shows a page and calls loadKeyOperateInfo, which takes the
// selected key with its profile and file; a choice on the page stores the
// key's new item through storeItem, which tells the host what came of it.
// A page acts on its own copy of key, profile and file until its next load.
//
// Failures reach the host as (operate type, error index) pairs:
// (10, 0) no key selected, (6, 0) an empty text, (type, 1) when the profile
// file could not be written (the key keeps its earlier function) and
// (type, 2) when a text or path is longer than an item holds.
#ifndef DKEYFUNCTIONPAGE_H
#define DKEYFUNCTIONPAGE_H

#include <QWidget>

#include <optional>

#include "core/ThemeColor.h"
#include "sdk/include/LumtarRecords.h"
#include "ui/mainwidget/devicePage/customKeys/KeyItemIO.h"

class QComboBox;

class DKeyFunctionPage : public QWidget
{
    Q_OBJECT

public:
    // Operate type of the "no key selected" failure, and the error indexes.
    static constexpr int NoKeyOperateType = 10;
    static constexpr int ErrorNoKeyOrEmptyText = 0;
    static constexpr int ErrorStoreWriteFailed = 1;
    static constexpr int ErrorTooLong = 2;

    explicit DKeyFunctionPage(QWidget *parent = nullptr);

    // Shows the selected key's item. The default takes the selected key with
    // the light-press pair and reads its item (storedItem()).
    virtual void loadKeyOperateInfo();
    virtual void updateAllUI();
    virtual void updateAppTheme();

    // The key, profile and file of the last load.
    const KeyItemIO &keyItem() const { return m_keyItem; }
    // The item the last load found, if any.
    const std::optional<KeyOperateInfoStu> &storedItem() const { return m_storedItem; }

    // Looks shared by the pages, from the theme's colours and the normal
    // theme font: the title label, the key-name label, the page buttons and
    // the Light Press / Heavy Press radio buttons.
    static QString titleLabelStyle(const ThemeColor &theme);
    static QString keyNameLabelStyle(const ThemeColor &theme);
    static QString pageButtonStyle(const ThemeColor &theme);
    static QString radioButtonStyle(const ThemeColor &theme);
    // A page's text box, and the scroll bars of its scroll area or text box.
    static QString textBoxStyle(const ThemeColor &theme);
    static QString scrollBarStyle(const ThemeColor &theme);
    static QFont pageFont(int pointSize);
    // A page's combo box and its list, rows 40 pixels high.
    static void styleComboBox(QComboBox *combo, const ThemeColor &theme);

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

protected:
    // Stores the key's new item in place of its earlier one, then tells the
    // host: the key to mark again and success, or the failure pair.
    void storeItem(int operateType, const QByteArray &type, const QByteArray &count, const QByteArray &mode,
                   const QByteArray &value);
    // Reports the outcome of a change the page made itself.
    void reportStored(int operateType, bool stored);

    // The style sheet of a page whose form frames only arrange it, with the
    // page's own rules after it.
    static QString framedPageStyle(const QString &rules = QString());

    KeyItemIO m_keyItem;
    std::optional<KeyOperateInfoStu> m_storedItem;
};

#endif
