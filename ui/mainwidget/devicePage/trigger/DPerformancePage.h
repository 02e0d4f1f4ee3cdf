// The performance page: the Win-lock key locks stored in the profile, the
// light and keyboard sleep times, the keyboard's gamepad mode and the
// desktop's keyboard settings. It keeps no settings of its own: it reads the
// profile and the shared state each time it is shown and hands every change
// to the profile store or, as a signal, to the device page.
#ifndef DPERFORMANCEPAGE_H
#define DPERFORMANCEPAGE_H

#include <QWidget>

#include "platform/KeyboardProperties.h"

namespace Ui {
class DPerformancePage;
}

class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    // The profile path buffer: at most this many bytes and a NUL.
    static constexpr int PathCapacity = 256;

    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    void setCurrentProfileIndex(int index);
    // A path the buffer cannot hold is refused with a log line; the page
    // then keeps no path.
    void setXmlProfilePath(const char *path);
    const char *xmlProfilePath() const { return m_xmlProfilePath; }
    void loadPerformanceInfo();
    void updateGamePadModeShow();
    void updateAllUI();
    void updateAppTheme();
    void setDeviceTypeShow(int type);
    // The keyboard settings program the button starts (none: hidden).
    void setKeyboardProperties(const KeyboardProperties::Command &command);

signals:
    void sigLightAndKeyboardSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleepStatus);
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigSetCurrentGamePadModeIndex(int gamePadIndex);
    void sigResetoreCurrentProfile();

public slots:
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableWindowsKey_clicked();
    void on_pushButton_Restore_clicked();
    void on_pushButton_keyboardProperties_clicked();
    void on_checkBox_ProhibitSleep_clicked();
    void on_pushButton_SubmitSleepTime_clicked();
    void on_radioButton_GamePadDisable_clicked();
    void on_radioButton_GamePadXbox360_clicked();
    void on_radioButton_GamePadClassical_clicked();

private:
    void setTexts();
    void saveLockWinKeyInfo();
    void showGamePadMode(int mode);

    Ui::DPerformancePage *ui;
    int m_currentProfileIndex = 1;
    char m_xmlProfilePath[PathCapacity] = {};
    KeyboardProperties::Command m_keyboardProperties;
};

#endif
