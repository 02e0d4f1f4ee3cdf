// The on-screen soft keyboard: one button per key of a soft-keyboard layout
// file. A click reports the key's code and label. In multiple-selection mode
// (mode 1, while selection is enabled) clicked keys stay highlighted, with at
// most two modifier keys, so that a key combination can be picked. Loading a
// layout also hands the application its two key maps (virtual-key code to
// key code, key code to name).
#ifndef DSOFTKEYBOARDPAGE_H
#define DSOFTKEYBOARDPAGE_H

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

namespace Ui {
class DSoftKeyboardPage;
}

class SoftKeyboardButCustom;

class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MultiSelectMode = 1;

    explicit DSoftKeyboardPage(QWidget *parent = nullptr);
    ~DSoftKeyboardPage() override;

    // Reads the layout the shared state names for the model and builds its keys.
    void loadKeyboardInfo(QString modelName);
    // Hands the application the two key maps of the model's layout without
    // building a keyboard; false (maps as they were) when the layout cannot
    // be read.
    static bool publishKeyMaps(const QString &modelName);
    // Builds the keys of a layout text; a text that is refused leaves no keys
    // and the application's key maps as they were.
    void parseSoftKeyInfo(const char *text);

    void setMultiSelectMode(int mode) { m_selectMode = mode; }
    void setMultiSelectEnabled(bool enabled) { m_selectEnabled = enabled; }
    void clearSelectedKeys();
    // Lets a key join the selection in its normal look.
    void selectKey(int keyCode);
    void updateAppTheme();

    int layoutId() const { return m_layoutId; }
    QMap<int, SoftKeyboardButCustom *> keyButtons() const { return m_keyButtons; }
    QList<SoftKeyboardButCustom *> selectedButtons() const { return m_selectedButtons; }
    int modifierCount() const { return m_modifierCount; }

signals:
    void sigSoftKeyboardClicked(int keyDec, QString keyCharacter);
    void sigSoftKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();

private:
    // The text of the layout the shared state names for the model; empty
    // when it cannot be read.
    static QByteArray readLayoutText(int layoutId);
    void removeKeys();
    bool isMultiSelecting() const { return m_selectMode == MultiSelectMode && m_selectEnabled; }

    Ui::DSoftKeyboardPage *ui;
    int m_selectMode = -1;
    bool m_selectEnabled = false;
    QMap<int, QString> m_keyNames;
    QMap<int, int> m_vkToKeyCode;
    QList<SoftKeyboardButCustom *> m_selectedButtons;
    int m_modifierCount = 0;
    QMap<int, SoftKeyboardButCustom *> m_keyButtons;
    QString m_selectedColor;
    QString m_keyTextColor;
    QString m_keyBackgroundColor;
    int m_layoutId = 31;
};

#endif
