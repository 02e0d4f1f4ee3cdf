// The virtual keyboard window: one soft keyboard under the title "Virtual
// Keyboard", relaying its clicks as key codes. The remap page owns one in
// single selection, the key-combination page one in multiple selection.
#ifndef DVIRTUALKEYBOARDTOOL_H
#define DVIRTUALKEYBOARDTOOL_H

#include <QString>
#include <QWidget>

namespace Ui {
class DVirtualKeyboardTool;
}

class DSoftKeyboardPage;

class DVirtualKeyboardTool : public QWidget
{
    Q_OBJECT

public:
    explicit DVirtualKeyboardTool(int multiSelectMode, QWidget *parent = nullptr);
    ~DVirtualKeyboardTool() override;

    // Hands the application the key maps of the keyboard this window shows,
    // without building it.
    static void publishKeyMaps();

    void setMultiSelectEnabled(bool enabled);
    void selectKey(int keyCode);
    void clearSelectedKeys();
    void updateAllUI();
    void updateAppTheme();

    DSoftKeyboardPage *softKeyboard() const { return m_softKeyboard; }

signals:
    void sigSoftKeyboardClicked_VirtualKB(int keyDec);

public slots:
    void onSoftKeyboardClicked(int keyDec, QString keyCharacter);

private:
    Ui::DVirtualKeyboardTool *ui;
    DSoftKeyboardPage *m_softKeyboard = nullptr;
};

#endif
