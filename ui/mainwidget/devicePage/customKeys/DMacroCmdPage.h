// The "Macro" key-function page: binds a macro of the macro store to the
// selected key (type 1: play count, play mode 1-4, the macro's index as
// value) and keeps the profile's own copy of the macro's events ("Macro%1"),
// which the download sends to the keyboard. Every choice stores at once:
// a play mode, the play count (1 to 255, for "Play multiple times") or a
// macro. The copy is written when no key of the profile used the macro yet
// (or the profile has none), in the same write as the key's item; when that
// write fails the key keeps its earlier function.
#ifndef DMACROCMDPAGE_H
#define DMACROCMDPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DMacroCmdPage;
}

class QButtonGroup;

class DMacroCmdPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    // The failure pair (1, ErrorNoSuchMacro): the macro store no longer
    // holds the macro, and the profile has no copy of it.
    static constexpr int ErrorNoSuchMacro = 3;
    static constexpr int MaxPlayCount = 255;

    explicit DMacroCmdPage(QWidget *parent = nullptr);
    ~DMacroCmdPage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    // The page's choice: macro index (0 while none was picked or stored),
    // play count and play mode.
    int macroIndex() const { return m_macroIndex; }
    int playCount() const { return m_count; }
    int playMode() const { return m_mode; }

private slots:
    void onPlayModeClicked(int mode);
    void on_lineEdit_playMany_textChanged(const QString &text);
    void onComboxActivated(int index);
    void onScrollSheetSet();

private:
    void setTexts();
    void applyPlayChoice();
    void saveKeyOperateInfo(int count, int mode, int macroIndex);

    Ui::DMacroCmdPage *ui;
    QButtonGroup *m_modes = nullptr;
    char m_macroPath[DDataManager::PathBufferSize] = {};
    int m_macroIndex = 0;
    int m_count = 1;
    int m_mode = 1;
    QString m_scrollSheet;
};

#endif
